#pragma once
// The time bounds of a transport. The defaults are the processor link's; tests
// shorten them.

struct LinkTiming {
  int connect_wait_ms = 5000;  // one connect attempt lasts at most this long
  double send_limit_s = 20.0;  // a send stops retrying a full socket buffer after this long
};
