#include "params/tcChangeFlags.h"

#include <cstring>

tcChangeFlags::tcChangeFlags(const tcParamTable& table)
    : table_(table), flags_(new uint8_t[table.count()]()) {}

void tcChangeFlags::set(uint16_t id) {
  const int i = table_.index_of(id);
  if (i < 0) return;
  tcMutexHold hold(lock_);
  flags_[i] = 1;
}

void tcChangeFlags::clear(uint16_t id) {
  const int i = table_.index_of(id);
  if (i < 0) return;
  tcMutexHold hold(lock_);
  flags_[i] = 0;
}

bool tcChangeFlags::test(uint16_t id) const {
  const int i = table_.index_of(id);
  if (i < 0) return false;
  tcMutexHold hold(lock_);
  return flags_[i] != 0;
}

bool tcChangeFlags::take(uint16_t id) {
  const int i = table_.index_of(id);
  if (i < 0) return false;
  tcMutexHold hold(lock_);
  const bool was = flags_[i] != 0;
  flags_[i] = 0;
  return was;
}

void tcChangeFlags::clear_all() {
  tcMutexHold hold(lock_);
  std::memset(flags_.get(), 0, table_.count());
}

bool tcChangeFlags::any() const {
  tcMutexHold hold(lock_);
  for (int i = 0; i < table_.count(); ++i)
    if (flags_[i]) return true;
  return false;
}
