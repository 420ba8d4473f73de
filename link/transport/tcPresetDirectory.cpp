#include "link/transport/tcPresetDirectory.h"

#include <algorithm>
#include <cstring>

tcPresetDirectory::tcPresetDirectory() {
  for (tcPresetHeader& h : slots_) h.clear();
}

int tcPresetDirectory::get(int slot, tcPresetHeader& out) const {
  if (!valid(slot)) return -1;
  tcMutexHold hold(lock_);
  out = slots_[slot];
  return 0;
}

int tcPresetDirectory::set(int slot, const tcPresetHeader& header) {
  if (!valid(slot)) return -1;
  tcMutexHold hold(lock_);
  slots_[slot] = header;
  return 0;
}

int tcPresetDirectory::rename(int slot, const char* name, int length) {
  if (!valid(slot) || !name) return -1;
  length = std::clamp(length, 0, tcPresetHeader::kNameSize);
  tcMutexHold hold(lock_);
  char* to = slots_[slot].name;
  std::memset(to, 0, tcPresetHeader::kNameSize);
  std::memcpy(to, name, length);
  return 0;
}

int tcPresetDirectory::set_status(int slot, uint8_t status) {
  if (!valid(slot)) return -1;
  tcMutexHold hold(lock_);
  slots_[slot].status = status;
  return 0;
}

void tcPresetDirectory::clear(int first, int count) {
  if (first < 0 || count <= 0) return;
  tcMutexHold hold(lock_);
  for (int slot = first; slot < kSlots && slot - first < count; ++slot) slots_[slot].clear();
}

bool tcPresetDirectory::present(int slot) const {
  if (!valid(slot)) return false;
  tcMutexHold hold(lock_);
  return slots_[slot].present != 0;
}
