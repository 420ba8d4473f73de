#include "app/core/tcMutex.h"

#include <sys/syscall.h>
#include <unistd.h>

#include "app/core/tcDiagRegistry.h"

namespace {
std::atomic<int> g_serial_counter{0};
}

tcMutex::tcMutex() : serial_(++g_serial_counter) {
  tcDiagRegistry::instance().add(this, kDiagKind);
}

tcMutex::~tcMutex() {
  tcDiagRegistry::instance().remove(this);
}

int tcMutex::current_thread_id() {
  // Asked on every enter: one system call per thread, not per lock.
  thread_local const int id = static_cast<int>(::syscall(SYS_gettid));
  return id;
}

void tcMutex::enter() {
  lock_.lock();
  ++depth_;
  owner_.store(current_thread_id(), std::memory_order_relaxed);
}

void tcMutex::leave() {
  // The owner word is refreshed before the lock is given up, so no other thread
  // can have become the owner in between.
  if (--depth_ == 0) owner_.store(0, std::memory_order_relaxed);
  lock_.unlock();
}

tcString tcMutex::identifier() const {
  tcString text;
  text.format("%d", serial_);
  return text;
}

tcString tcMutex::description() const {
  return tcString();
}

tcString tcMutex::state() const {
  tcString text;
  text.format("owner: %d", owner());
  return text;
}
