#pragma once
// The console's copy of the processor's 80 preset slots, one header each. The
// link's handlers write it on the transport thread and the GUI reads it, so
// every access goes through the directory's own lock and copies whole headers.
#include <array>
#include <cstdint>

#include "app/core/tcMutex.h"
#include "params/tcPresetHeader.h"

class tcPresetDirectory {
 public:
  static constexpr int kSlots = 80;

  // Every slot starts cleared (all zero).
  tcPresetDirectory();

  // Copy of a slot's header; -1 (and `out` untouched) for a slot >= 80.
  int get(int slot, tcPresetHeader& out) const;
  // Stores a whole header in a slot; -1 for a slot >= 80.
  int set(int slot, const tcPresetHeader& header);
  // Replaces the name (at most 40 bytes, zero-padded); -1 for a slot >= 80.
  int rename(int slot, const char* name, int length);
  int set_status(int slot, uint8_t status);
  // Clears `count` slots from `first`, stopping at the last slot.
  void clear(int first, int count);
  void clear_all() { clear(0, kSlots); }

  // Whether a slot holds a preset (its present flag).
  bool present(int slot) const;

 private:
  static bool valid(int slot) { return slot >= 0 && slot < kSlots; }

  mutable tcMutex lock_;
  std::array<tcPresetHeader, kSlots> slots_;
};
