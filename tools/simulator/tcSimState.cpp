#include "tools/simulator/tcSimState.h"

#include <cmath>
#include <cstring>

#include "link/protocol/tcParamWire.h"
#include "params/MAP_TYPE.h"

namespace {

// A few presets a fresh processor ships with, so the console has something to
// show and take. Each differs from the defaults in some audible places.
struct FactoryValue {
  uint16_t id;
  float value;
};
struct FactoryPreset {
  const char* name;
  FactoryValue values[6];
};
const FactoryPreset kFactory[] = {
    {"Classic Rock",
     {{0x1400, 1}, {0x1401, 1}, {0x1407, -6}, {0x1602, 1.5f}, {0x1301, 1}, {0x1601, 1}}},
    {"Hot AC", {{0x1400, 1}, {0x1401, 1}, {0x1407, -4}, {0x1501, 92}, {0x1500, 1}, {0x1601, 1}}},
    {"News Talk", {{0x1400, 1}, {0x1401, 0}, {0x1407, -10}, {0x1005, 1}, {0x1601, 1}, {0x1340, 0}}},
    {"Urban", {{0x1400, 1}, {0x1401, 1}, {0x1407, -2}, {0x1505, 4}, {0x1500, 1}, {0x1601, 1}}},
    {"Country", {{0x1400, 1}, {0x1401, 1}, {0x1407, -8}, {0x130E, 3}, {0x1301, 1}, {0x1601, 1}}},
    {"Classical",
     {{0x1400, 1}, {0x1401, 0}, {0x1407, -12}, {0x1602, -3}, {0x1601, 0}, {0x1340, 0}}},
};

void set_value(SETTINGS& set, uint16_t id, float value) {
  switch (set.type(id)) {
    case MAP_TYPE::kFloat:
      set.set_float(id, value, kSourceSilent);
      break;
    case MAP_TYPE::kInt:
      set.set_int(id, static_cast<uint32_t>(value), kSourceSilent);
      break;
    case MAP_TYPE::kBool:
      set.set_bool(id, value != 0 ? 1 : 0, kSourceSilent);
      break;
    default:
      break;
  }
}

// The header fields a pushed or taken preset brings with it.
void take_identity(tcPresetHeader& to, const tcPresetHeader& from) {
  std::memcpy(to.name, from.name, sizeof to.name);
  to.word_a = from.word_a;
  to.word_b = from.word_b;
  std::memcpy(to.text_a, from.text_a, sizeof to.text_a);
  std::memcpy(to.text_b, from.text_b, sizeof to.text_b);
  to.map_version = from.map_version;
}

}  // namespace

bool tcSimState::usable(const tcParamStore& store, const ParamRecord& record) {
  const int type = store.type(record.id());
  return type > 0 && (type != MAP_TYPE::kFloat || std::isfinite(record.as_float()));
}

tcSimState::tcSimState() {
  for (int b = 0; b < kBanks; ++b) {
    banks_[b].set = std::make_unique<SETTINGS>(nullptr, nullptr, static_cast<uint16_t>(b));
    banks_[b].header.reset();
    banks_[b].header.set_name("Unknown");
    banks_[b].header.take_checksums(*banks_[b].set);
  }
  for (Entry& slot : slots_) slot.header.clear();
  make_factory_presets();
  dirty_.index = true;
  dirty_.banks.set();
  dirty_.presets.set();
}

void tcSimState::make_factory_presets() {
  int s = 0;
  for (const FactoryPreset& preset : kFactory) {
    Entry& slot = slots_[s++];
    slot.set = std::make_unique<SETTINGS>();
    for (const FactoryValue& v : preset.values) set_value(*slot.set, v.id, v.value);
    slot.header.reset();
    slot.header.set_name(preset.name);
    slot.header.status = kFactoryLocked;
    slot.header.take_checksums(*slot.set);
  }
}

tcPresetHeader tcSimState::directory_entry(int s) const {
  tcPresetHeader header;
  header.clear();
  if (valid_slot(s) && slots_[s].header.present) header = slots_[s].header;
  return header;
}

const SETTINGS& tcSimState::values(int s) const {
  return valid_slot(s) && slots_[s].set ? *slots_[s].set : defaults_;
}

bool tcSimState::apply_bank_record(int b, const ParamRecord& record) {
  if (!valid_bank(b) || !usable(*banks_[b].set, record)) return false;
  const uint32_t before = banks_[b].set->raw(record.id());
  tcParamWire::apply(*banks_[b].set, record, kSourceSilent);
  if (banks_[b].set->raw(record.id()) == before) return false;
  dirty_.banks.set(b);
  return true;
}

bool tcSimState::apply_global(const ParamRecord& record) {
  if (!usable(globals_, record)) return false;
  const uint32_t before = globals_.raw(record.id());
  tcParamWire::apply(globals_, record, kSourceSilent);
  if (globals_.raw(record.id()) == before) return false;
  dirty_.index = true;
  return true;
}

void tcSimState::set_bank_header(int b, const tcPresetHeader& header) {
  if (!valid_bank(b)) return;
  tcPresetHeader& to = banks_[b].header;
  to = header;
  to.status = 0;
  dirty_.banks.set(b);
  dirty_.index = true;
}

void tcSimState::set_bank_map_version(int b, uint16_t version) {
  if (!valid_bank(b) || banks_[b].header.map_version == version) return;
  banks_[b].header.map_version = version;
  dirty_.banks.set(b);
}

bool tcSimState::store_preset(int s, const SETTINGS* values, const tcPresetHeader& header) {
  if (!valid_slot(s)) return false;
  Entry& slot = slots_[s];
  if (slot.header.present && slot.header.status != kUnlocked) return false;
  if (!slot.set) slot.set = std::make_unique<SETTINGS>();
  if (values) tcSettings::copy(values, slot.set.get(), 0);
  const uint8_t status = slot.header.present ? slot.header.status : uint8_t{kUnlocked};
  slot.header.clear();
  take_identity(slot.header, header);
  slot.header.present = 1;
  slot.header.status = status;
  slot.header.take_checksums(*slot.set);
  dirty_.presets.set(s);
  dirty_.index = true;
  return true;
}

bool tcSimState::rename(int s, const char* name40) {
  if (!valid_slot(s)) return false;
  Entry& slot = slots_[s];
  if (!slot.header.present || slot.header.status != kUnlocked) return false;
  char name[tcPresetHeader::kNameSize + 1] = {};
  std::memcpy(name, name40, tcPresetHeader::kNameSize);
  slot.header.set_name(name);
  dirty_.presets.set(s);
  return true;
}

bool tcSimState::erase(int s) {
  if (!valid_slot(s)) return false;
  Entry& slot = slots_[s];
  if (!slot.header.present || slot.header.status != kUnlocked) return false;
  slot.header.clear();
  slot.set.reset();
  dirty_.presets.set(s);
  dirty_.index = true;
  return true;
}

bool tcSimState::lock(int s, uint8_t state) {
  if (!valid_slot(s) || state > kFactoryLocked) return false;
  if (slots_[s].header.status == state) return true;
  slots_[s].header.status = state;
  dirty_.index = true;
  return true;
}

bool tcSimState::take(int s, int b, uint16_t mode) {
  if (!valid_slot(s) || !valid_bank(b) || !slots_[s].header.present) return false;
  const uint32_t mask = mode == 0 ? 0 : tcSettings::kMaskSkipIo;
  tcSettings::copy(slots_[s].set.get(), banks_[b].set.get(), mask);
  tcPresetHeader& header = banks_[b].header;
  header.copy_from(slots_[s].header);
  take_identity(header, slots_[s].header);
  header.status = 0;
  header.take_checksums(*banks_[b].set);  // mode 2 may have kept the bank's own I/O values
  dirty_.banks.set(b);
  dirty_.index = true;
  return true;
}

void tcSimState::set_events(std::vector<tcIddApGui::tsAPEvent> events) {
  if (events.size() > static_cast<size_t>(kMaxEvents)) events.resize(kMaxEvents);
  events_ = std::move(events);
  dirty_.index = true;
}

void tcSimState::set_password_code(uint32_t code) {
  if (globals_.set_int(kRemotePwId, code, kSourceSilent)) dirty_.index = true;
}
