#pragma once
// The byte pipe to the processor: one TCP client socket driven by a worker
// thread of its own (tcQTcpThrd), which connects, reconnects by itself whenever
// the connection is lost, and hands received bytes and every change of link
// state to the owner's callbacks. Sending happens on the caller's thread.
//
// Only the worker thread closes a socket while the worker runs: other threads
// shut it down and hand it over, then wake the worker, so no thread ever waits
// on or reads from a descriptor that was closed (and perhaps reused) under it.
#include <netinet/in.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "app/core/tcWakePipe.h"
#include "link/transport/LinkCallbacks.h"
#include "link/transport/LinkTiming.h"
#include "link/transport/tcSocket.h"

class tcQTcpThrd;

class tcQTcp {
 public:
  static constexpr int kReceiveBufferSize = 8192;
  static constexpr int kSocketBufferSize = 8192;
  static constexpr int kReceiveWaitMs = 5000;

  virtual ~tcQTcp();
  tcQTcp(const tcQTcp&) = delete;
  tcQTcp& operator=(const tcQTcp&) = delete;

  // Hands `length` bytes to the socket; returns the count sent, or -1 when not
  // connected or the connection broke. A full socket buffer is retried until
  // the send limit; when nothing at all went out by then the link is dropped
  // and 0 returned. Any thread.
  int send(const void* bytes, int length);
  // Closes the connection if a socket is open; the worker reports LINK_DOWN and
  // reconnects.
  void disconnect();

  bool connected() const { return connected_.load(); }
  uint16_t port() const { return port_; }

 protected:
  tcQTcp(uint16_t port, const LinkCallbacks& callbacks, const LinkTiming& timing);

  // One connect attempt; true when the connection is established. Called only
  // by the worker thread.
  virtual bool connect() = 0;

  // The connect attempt towards `peer`, for connect() of derived classes.
  bool connect_to(const sockaddr_in& peer);

  // Starts the worker. The most derived constructor calls it once the object is
  // complete, so the worker never sees a half-built object.
  void start();
  // Stops the worker, closes the socket and reports LINK_CLOSED; idempotent.
  // The most derived destructor calls it first, before its own parts go.
  void stop();

 private:
  friend class tcQTcpThrd;
  using Clock = tcSocket::Clock;

  // Waits on socket `fd`; 1 ready, 0 deadline passed, -1 when the socket was
  // taken away or the transport is stopping.
  int wait_socket(int fd, tcSocket::Watch watch, Clock::time_point deadline);
  // Worker: one receive pass on the connected socket.
  void receive_once();
  // Worker: after a successful connect(), the link is up unless the socket was
  // taken away meanwhile.
  void mark_up();
  // Worker: last step of the run loop.
  void worker_finished();

  // With lock_ held: ends the current socket. The socket is shut down at once;
  // it is closed (and LINK_DOWN reported when `report`) here on the worker
  // thread, elsewhere by the worker when it wakes.
  void release_socket_locked(bool report);
  // With lock_ held: closes a released socket and reports it.
  void reap_locked();
  void report(LinkStatus status) const;
  bool on_worker() const;

  std::atomic<bool> stop_{false};
  std::atomic<bool> connected_{false};
  const uint16_t port_;
  std::atomic<int> socket_{-1};
  uint8_t receive_buffer_[kReceiveBufferSize];  // worker only
  std::unique_ptr<tcQTcpThrd> thread_;
  const LinkCallbacks callbacks_;
  const LinkTiming timing_;
  // Guards socket open/close, the connected flag's changes and the fields below.
  mutable std::recursive_mutex lock_;
  int released_ = -1;              // a socket shut down but not yet closed
  bool released_reports_ = false;  // whether closing it reports LINK_DOWN
  uint64_t generation_ = 0;        // counts the sockets opened, so send sees a swap
  tcWakePipe wake_;
  bool started_ = false;  // owner thread only
  bool stopped_ = false;  // owner thread only
  std::atomic<bool> worker_done_{false};
};
