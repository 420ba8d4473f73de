#include "app/core/tcDiagRegistry.h"

#include <algorithm>

tcDiagRegistry& tcDiagRegistry::instance() {
  // Never destroyed: locks with static storage may unregister after exit begins.
  static tcDiagRegistry* registry = new tcDiagRegistry;
  return *registry;
}

void tcDiagRegistry::add(const tcDiagnosable* object, int kind) {
  std::lock_guard<std::mutex> hold(lock_);
  entries_.push_back({object, kind});
}

void tcDiagRegistry::remove(const tcDiagnosable* object) {
  std::lock_guard<std::mutex> hold(lock_);
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [object](const Entry& e) { return e.object == object; });
  if (it != entries_.end()) entries_.erase(it);
}

std::vector<tcDiagRegistry::Entry> tcDiagRegistry::entries() const {
  std::lock_guard<std::mutex> hold(lock_);
  return entries_;
}

int tcDiagRegistry::count() const {
  std::lock_guard<std::mutex> hold(lock_);
  return static_cast<int>(entries_.size());
}
