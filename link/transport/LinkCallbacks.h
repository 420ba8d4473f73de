#pragma once
// What a transport hands back to its owner: received bytes and changes of the
// link state. Both callbacks run on the transport's worker thread (LINK_CLOSED
// excepted, which comes from the destroying thread after the worker has ended).
#include <cstdint>

enum LinkStatus {
  LINK_DOWN = 0,        // the socket was closed
  LINK_UP = 1,          // a connect attempt succeeded
  LINK_CONNECTING = 2,  // a connect attempt starts
  LINK_CLOSED = 3,      // the transport is being destroyed
};

struct LinkCallbacks {
  using DataFn = void (*)(void* context, const uint8_t* bytes, int count);
  using StatusFn = void (*)(void* context, LinkStatus status);

  void* context = nullptr;  // passed back as the first argument of both callbacks
  DataFn data = nullptr;
  StatusFn status = nullptr;
};
