#pragma once
// The console's general-purpose lock: recursive for the owning thread, numbered
// in creation order and listed in the diagnostic registry while it lives.
#include <atomic>
#include <mutex>

#include "app/core/tcDiagnosable.h"

class tcMutex : public tcDiagnosable {
 public:
  static constexpr int kDiagKind = 2;

  tcMutex();
  ~tcMutex() override;
  tcMutex(const tcMutex&) = delete;
  tcMutex& operator=(const tcMutex&) = delete;

  void enter();
  void leave();

  // Thread id of the holder, 0 when free.
  int owner() const { return owner_.load(std::memory_order_relaxed); }
  int serial() const { return serial_; }

  tcString identifier() const override;
  tcString description() const override;
  tcString state() const override;

  static int current_thread_id();

 private:
  std::atomic<int> owner_{0};
  const int serial_;
  std::recursive_mutex lock_;
  int depth_ = 0;  // touched only by the holder
};

// Holds a tcMutex for one scope.
class tcMutexHold {
 public:
  explicit tcMutexHold(tcMutex& mutex) : mutex_(mutex) { mutex_.enter(); }
  ~tcMutexHold() { mutex_.leave(); }
  tcMutexHold(const tcMutexHold&) = delete;
  tcMutexHold& operator=(const tcMutexHold&) = delete;

 private:
  tcMutex& mutex_;
};
