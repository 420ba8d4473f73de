#include "params/tcLiveSettingsDirty.h"

tcLiveSettingsDirty::tcLiveSettingsDirty(uint16_t record_count) {
  for (uint16_t i = 0; i < record_count; ++i)
    records_.push_back(std::make_unique<tcChangeFlags>(tcParamTable::presets()));
}

tcChangeFlags* tcLiveSettingsDirty::record(uint16_t set_index) const {
  return set_index < records_.size() ? records_[set_index].get() : nullptr;
}

void tcLiveSettingsDirty::set(uint16_t set_index, uint16_t id) {
  if (tcChangeFlags* r = record(set_index)) r->set(id);
}

void tcLiveSettingsDirty::clear(uint16_t set_index, uint16_t id) {
  if (tcChangeFlags* r = record(set_index)) r->clear(id);
}

bool tcLiveSettingsDirty::test(uint16_t set_index, uint16_t id) const {
  const tcChangeFlags* r = record(set_index);
  return r && r->test(id);
}

bool tcLiveSettingsDirty::take(uint16_t set_index, uint16_t id) {
  tcChangeFlags* r = record(set_index);
  return r && r->take(id);
}

void tcLiveSettingsDirty::clear_all(uint16_t set_index) {
  if (tcChangeFlags* r = record(set_index)) r->clear_all();
}
