#include "params/tcLiveSettings.h"

struct tcLiveSettings::Slot {
  tcPresetHeader header;
  std::unique_ptr<SETTINGS> set;
};

tcLiveSettings::tcLiveSettings(Callback callback, void* context, uint16_t slot_count)
    : callback_(callback),
      context_(context),
      slot_count_(slot_count),
      slots_(new Slot[slot_count]) {
  for (uint16_t i = 0; i < slot_count_; ++i) {
    slots_[i].header.set_name("Unknown");
    slots_[i].set = std::make_unique<SETTINGS>(&tcLiveSettings::slot_changed, this, i);
  }
}

tcLiveSettings::~tcLiveSettings() = default;

void tcLiveSettings::slot_changed(void* context, uint16_t id, uint16_t set_index, int source) {
  const auto* self = static_cast<const tcLiveSettings*>(context);
  if (self->callback_) self->callback_(self->context_, id, set_index, source);
}

SETTINGS* tcLiveSettings::set(uint16_t slot) const {
  return slot < slot_count_ ? slots_[slot].set.get() : nullptr;
}

int tcLiveSettings::set_header(uint16_t slot, const tcPresetHeader& header) {
  if (slot >= slot_count_) return -1;
  tcMutexHold hold(tcSettings::lock());
  tcPresetHeader& stored = slots_[slot].header;
  if (stored == header) return -1;
  stored.copy_from(header);
  stored.status = 0;
  return 0;
}

int tcLiveSettings::get_header(uint16_t slot, tcPresetHeader* out) const {
  if (slot >= slot_count_ || !out) return -1;
  tcMutexHold hold(tcSettings::lock());
  *out = slots_[slot].header;
  return 0;
}

int tcLiveSettings::set_map_version(uint16_t slot, uint16_t version) {
  if (slot >= slot_count_) return -1;
  tcMutexHold hold(tcSettings::lock());
  slots_[slot].header.map_version = version;
  return 0;
}
