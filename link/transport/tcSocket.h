#pragma once
// Socket waits and error classes shared by the TCP transport and the meter
// listener.
#include <chrono>

class tcSocket {
 public:
  using Clock = std::chrono::steady_clock;

  enum Watch { kWatchNone, kWatchRead, kWatchWrite };
  // Result bits of wait(); 0 means the deadline passed.
  enum : int { kReady = 1, kWoken = 2 };

  // Waits until `fd` is ready for `watch`, the wake pipe end `wake_fd` is
  // readable, or the deadline passes. With kWatchNone (or fd < 0) only the wake
  // pipe and the deadline count. Returns a mask of kReady/kWoken, 0 on time-out.
  static int wait(int fd, Watch watch, int wake_fd, Clock::time_point deadline);

  // The error codes that mean "not yet" on a non-blocking socket rather than
  // failure: in progress, would block, interrupted.
  static bool would_block(int error);

  // The pending error of a socket (SO_ERROR), or errno when it cannot be read.
  static int pending_error(int fd);
};
