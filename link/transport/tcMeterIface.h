#pragma once
// The meter listener: receives the processor's meter records on a UDP port of
// its own (the first free one from 60001) and keeps the newest valid one until
// the GUI takes it. Records that come over the TCP link are stored through
// store_record() as well. The listener's own lock guards the record.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/core/tcMutex.h"
#include "app/core/tcWakePipe.h"
#include "link/protocol/tcMeterRecord.h"

class tcMeterThrd;

class tcMeterIface : public tcMutex {
 public:
  using NotifyFn = void (*)(void* context);

  static constexpr uint16_t kFirstPort = 60001;
  static constexpr int kPortAttempts = 10;
  static constexpr int kReceiveWaitMs = 3000;

  // Binds the UDP socket and starts the listener thread. `notify` (optional) is
  // called with `context` under the lock whenever a record is stored.
  explicit tcMeterIface(void* context = nullptr, NotifyFn notify = nullptr);
  ~tcMeterIface() override;

  // Whether a UDP port could be bound; without one only TCP records arrive.
  bool listening() const { return socket_ >= 0; }
  // The bound UDP port, which the UDP meter request carries; 0 when none.
  uint16_t port() const { return socket_ >= 0 ? port_ : 0; }

  // Makes `bytes` the newest record when it is one whole record answering the
  // latest request; returns 0, or -1 when dropped. Any thread: the UDP thread
  // and the TCP link's meter message both come here.
  int store_record(const uint8_t* bytes, size_t length);
  // Copies the newest record out once: 0, or -1 when none arrived since the
  // last take.
  int take_record(tcMeterRecord& destination);

  uint8_t request_tag() const { return request_tag_.load(); }
  // Advances the request tag for a new meter request and returns it.
  uint8_t next_request_tag() { return ++request_tag_; }

  // Stops the thread and closes the socket; idempotent.
  void close();

 private:
  friend class tcMeterThrd;
  void receive_once();  // listener thread

  uint16_t port_ = kFirstPort;
  void* const notify_context_;
  const NotifyFn notify_;
  std::atomic<uint8_t> request_tag_{0};
  uint8_t receive_buffer_[tcMeterRecord::kSize];  // listener thread only
  tcMeterRecord latest_;                          // under the lock
  bool fresh_ = false;                            // under the lock
  std::unique_ptr<tcMeterThrd> thread_;
  int socket_ = -1;  // set before the thread starts, closed after it ends
  std::atomic<bool> stop_{false};
  std::atomic<bool> running_{false};
  tcWakePipe wake_;
};
