#pragma once
// Everything the simulated processor keeps: its global parameters, 8 parameter
// banks and 80 preset slots (each a parameter set with its preset header), the
// event schedule and the clock. Every change marks what must be written again;
// tcSimStateFile writes it.
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

#include "link/protocol/ParamRecord.h"
#include "link/protocol/tsAPEvent.h"
#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "params/tcPresetHeader.h"
#include "tools/simulator/tcSimClock.h"

class tcSimState {
 public:
  static constexpr int kBanks = 8;
  static constexpr int kSlots = 80;
  static constexpr int kMaxEvents = 1000;
  static constexpr uint16_t kRemotePwId = 0x2008;
  static constexpr uint16_t kAnalysisId = 0x200C;
  static constexpr uint16_t kAnalysisChainId = 0x200D;
  static constexpr uint16_t kInputSourceId = 0x3000;

  // Lock states of a slot.
  enum Lock : uint8_t { kUnlocked = 0, kLocked = 1, kFactoryLocked = 2 };

  // A bank always has its set; a slot only while it holds a preset.
  struct Entry {
    std::unique_ptr<SETTINGS> set;
    tcPresetHeader header;
  };

  // A fresh processor: default banks and a few factory-locked presets.
  tcSimState();

  GLOBALS& globals() { return globals_; }
  const GLOBALS& globals() const { return globals_; }
  Entry& bank(int b) { return banks_[b]; }
  const Entry& bank(int b) const { return banks_[b]; }
  Entry& slot(int s) { return slots_[s]; }
  const Entry& slot(int s) const { return slots_[s]; }
  static bool valid_bank(int b) { return b >= 0 && b < kBanks; }
  static bool valid_slot(int s) { return s >= 0 && s < kSlots; }

  // The header as the directory reports it: a cleared one for an empty slot.
  tcPresetHeader directory_entry(int s) const;
  // The values of a slot; the defaults for an empty one.
  const SETTINGS& values(int s) const;

  // Whether a received record fits the store: a known id, and a float that is a number.
  static bool usable(const tcParamStore& store, const ParamRecord& record);

  // Changes from the console. Each returns true when something changed.
  // A record for an unknown id, or a float that is not a number, is skipped.
  bool apply_bank_record(int b, const ParamRecord& record);
  bool apply_global(const ParamRecord& record);
  void set_bank_header(int b, const tcPresetHeader& header);
  void set_bank_map_version(int b, uint16_t version);
  // Stores a pushed preset: the values (when given) and the header's name, text
  // fields, words and map version; the check sums are the slot's own. A locked
  // slot refuses (false).
  bool store_preset(int s, const SETTINGS* values, const tcPresetHeader& header);
  bool rename(int s, const char* name40);  // false for a locked slot
  bool erase(int s);                       // false for a locked or empty slot
  bool lock(int s, uint8_t state);         // false for a state above 2
  // Recalls a stored preset into a bank: mode 0 copies everything, otherwise
  // the follow-I/O parameters stay. False for an empty slot.
  bool take(int s, int b, uint16_t mode);

  const std::vector<tcIddApGui::tsAPEvent>& events() const { return events_; }
  void set_events(std::vector<tcIddApGui::tsAPEvent> events);

  tcSimClock& clock() { return clock_; }
  const tcSimClock& clock() const { return clock_; }
  void clock_changed() { dirty_.index = true; }

  // The login code the processor accepts; 0 accepts any.
  uint32_t password_code() const { return globals_.int_value(kRemotePwId); }
  void set_password_code(uint32_t code);

  // What changed since the last write.
  struct Dirty {
    std::bitset<kBanks> banks;
    std::bitset<kSlots> presets;
    bool index = false;
    bool any() const { return banks.any() || presets.any() || index; }
  };
  const Dirty& dirty() const { return dirty_; }
  void mark_clean() { dirty_ = Dirty(); }
  void mark_dirty(const Dirty& more) {
    dirty_.banks |= more.banks;
    dirty_.presets |= more.presets;
    dirty_.index = dirty_.index || more.index;
  }

 private:
  void make_factory_presets();

  GLOBALS globals_;
  const SETTINGS defaults_;
  std::array<Entry, kBanks> banks_;
  std::array<Entry, kSlots> slots_;
  std::vector<tcIddApGui::tsAPEvent> events_;
  tcSimClock clock_;
  Dirty dirty_;
};
