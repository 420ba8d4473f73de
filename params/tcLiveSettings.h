#pragma once
// The parameter sets the console keeps for the connected processor: 8 slots, each a
// preset header and a SETTINGS whose set index is the slot number. Slot headers are
// guarded by the settings lock like the sets.
#include <atomic>
#include <cstdint>
#include <memory>

#include "params/SETTINGS.h"
#include "params/tcPresetHeader.h"

class tcLiveSettings {
 public:
  static constexpr uint16_t kSlotCount = 8;
  // Every change of every slot, under the settings lock.
  using Callback = tcSettings::Callback;

  explicit tcLiveSettings(Callback callback = nullptr, void* context = nullptr,
                          uint16_t slot_count = kSlotCount);
  tcLiveSettings(const tcLiveSettings&) = delete;
  tcLiveSettings& operator=(const tcLiveSettings&) = delete;
  ~tcLiveSettings();

  uint16_t slot_count() const { return slot_count_; }
  // The set of a slot, nullptr for a bad slot.
  SETTINGS* set(uint16_t slot) const;
  // The set of the current slot (nullptr if the current index is out of range).
  SETTINGS* current() const { return set(current_slot_); }
  uint16_t current_slot() const { return current_slot_; }
  void set_current_slot(uint16_t slot) { current_slot_ = slot; }

  // -1 for a bad slot or a header equal to the stored one; else the header is copied
  // (tcPresetHeader::copy_from), the stored status byte cleared, and 0 returned.
  int set_header(uint16_t slot, const tcPresetHeader& header);
  // Full copy of a slot's header into out; -1 for a bad slot.
  int get_header(uint16_t slot, tcPresetHeader* out) const;
  // Stores a slot's map version (0xFFFE marks a tweaked bank); -1 for a bad slot.
  int set_map_version(uint16_t slot, uint16_t version);

 private:
  struct Slot;
  static void slot_changed(void* context, uint16_t id, uint16_t set_index, int source);

  std::atomic<uint16_t> current_slot_{0};  // read by the link thread too
  Callback callback_;
  void* context_;
  uint16_t slot_count_;
  std::unique_ptr<Slot[]> slots_;
};
