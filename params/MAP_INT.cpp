#include "params/MAP_INT.h"

MAP_INT::MAP_INT(uint16_t id, uint32_t def, uint32_t minimum, uint32_t maximum, const char* name)
    : MAP_TYPE(id, name), minimum_(minimum), maximum_(maximum) {
  default_ = value_ = clamp(def);
}

MAP_INT::MAP_INT(uint16_t id, uint32_t def, uint32_t minimum, uint32_t maximum,
                 const char* const* labels, uint32_t label_count, const char* name)
    : MAP_INT(id, def, minimum, maximum, name) {
  labels_ = labels;
  label_count_ = labels ? label_count : 0;
}

MAP_INT::MAP_INT(uint16_t id, uint32_t def, uint32_t minimum, uint32_t maximum,
                 const tcMapEntry* records, uint32_t record_count, const char* name)
    : MAP_INT(id, def, minimum, maximum, name) {
  records_ = records;
  label_count_ = records ? record_count : 0;
}

uint32_t MAP_INT::clamp(uint32_t v) const {
  if (v < minimum_) return minimum_;
  if (v > maximum_) return maximum_;
  return v;
}

bool MAP_INT::set_raw(uint32_t raw) {
  const uint32_t v = clamp(raw);
  if (v == value_) return false;
  value_ = v;
  return true;
}

tcString MAP_INT::format_raw(uint32_t raw) const {
  const uint32_t v = clamp(raw);
  // A label list shorter than the range (the test-oscillator frequency) shows the
  // values beyond it as numbers rather than reading past the list.
  if (v < label_count_) return tcString(labels_ ? labels_[v] : records_[v].label);
  tcString text;
  text.format(format_or("%d"), v);
  return text;
}
