#pragma once
// A preset-parameter set. All sets share one process-wide lock; every change is
// reported to the set's callback with the set index and the source code.
#include <cstdint>

#include "params/tcParamStore.h"

class tcSettings : public tcParamStore {
 public:
  // Runs under the settings lock: set flags and post queued signals only.
  using Callback = void (*)(void* context, uint16_t id, uint16_t set_index, int source);

  // Mask bits of copy() and reset().
  static constexpr uint32_t kMaskRefused = 1;  // never valid in a copy
  static constexpr uint32_t kMaskSkipIo = 2;   // leave follow-I/O parameters alone

  enum Group { kNormal = 0, kIo = 1, kSecret = 2 };

  // The lock of every preset-parameter set. Lock order: this lock first, a change
  // record's lock inside it, never the reverse.
  static tcMutex& lock();

  uint16_t set_index() const { return set_index_; }
  void set_callback(Callback callback, void* context);

  // CRC-32 over the group's raw values (4 bytes little-endian each) in table order.
  // Normal: neither flag; I/O: follow-I/O and not secret; secret: secret.
  uint32_t checksum(Group group, uint16_t* count) const;
  // Whether a parameter passes a copy/reset mask.
  static bool passes(const tcParamRow& row, uint32_t mask) {
    return !((mask & kMaskSkipIo) && row.follow_io);
  }

  // Copies every parameter that passes the mask from one set into the other (floats by
  // engineering value, the others by value), with source 4. -1 for a missing set or a
  // mask with bit 0 set, else 0.
  static int copy(const tcSettings* from, tcSettings* to, uint32_t mask);

  // Every parameter that passes the mask back to its default, without callbacks.
  virtual void reset(uint32_t mask) = 0;
  // The fine-adjust values back to their defaults; each one is reported with the given
  // source whether it changed or not.
  virtual void reset_fine_adjust(int source) = 0;

 protected:
  tcSettings(const tcParamTable& table, Callback callback, void* context, uint16_t set_index);
  void changed(uint16_t id, int source) override;
  void report(uint16_t id, int source);

 private:
  Callback callback_;
  void* context_;
  uint16_t set_index_;
};
