#include "params/MAP_BOOL.h"

namespace {
constexpr const char* kOutIn[2] = {"Out", "In"};
}

MAP_BOOL::MAP_BOOL(uint16_t id, uint8_t def, const char* name) : MAP_BOOL(id, def, kOutIn, name) {}

MAP_BOOL::MAP_BOOL(uint16_t id, uint8_t def, const char* const* labels, const char* name)
    : MAP_TYPE(id, name),
      value_(def ? 1 : 0),
      default_(def ? 1 : 0),
      labels_(labels ? labels : kOutIn) {}

bool MAP_BOOL::set_raw(uint32_t raw) {
  const uint8_t v = raw ? 1 : 0;
  if (v == value_) return false;
  value_ = v;
  return true;
}

bool MAP_BOOL::reset() {
  return set_raw(default_);
}

tcString MAP_BOOL::format_raw(uint32_t raw) const {
  return tcString(label(raw ? 1 : 0));
}
