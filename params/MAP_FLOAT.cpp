#include "params/MAP_FLOAT.h"

#include <cmath>

namespace {
int exponent_of(uint32_t count) {
  for (int e = 2; e <= 12; ++e)
    if (count == (1u << e)) return e;
  return 0;
}
}  // namespace

MAP_FLOAT::MAP_FLOAT(uint16_t id, float def, float minimum, float maximum, const tcMapEntry* table,
                     uint32_t count, const char* name)
    : MAP_TYPE(id, name),
      default_(def > maximum ? maximum : (def < minimum ? minimum : def)),
      minimum_(minimum),
      maximum_(maximum),
      table_(count ? table : nullptr),
      count_(count) {
  if (table_) {
    exponent_ = exponent_of(count_);
    raw_min_ = eng_to_raw(minimum_);
    raw_max_ = eng_to_raw(maximum_);
  } else {
    raw_max_ = count_;
  }
  raw_ = eng_to_raw(default_);
}

uint32_t MAP_FLOAT::steps(float minimum, float maximum, float resolution) {
  // Widening the float resolution keeps the processor's step counts (0.05 -> 240
  // steps over 12 dB, not 239).
  return static_cast<uint32_t>((static_cast<double>(maximum) - minimum) / resolution + 0.5);
}

uint32_t MAP_FLOAT::clamp(uint32_t raw) const {
  if (raw < raw_min_) return raw_min_;
  if (raw > raw_max_) return raw_max_;
  return raw;
}

bool MAP_FLOAT::set_raw(uint32_t raw) {
  const uint32_t v = clamp(raw);
  if (v == raw_) return false;
  raw_ = v;
  return true;
}

uint32_t MAP_FLOAT::table_index(float value) const {
  // Largest index whose entry is <= value, one bit at a time from the top. The top
  // bit comes from the count itself, so tables of any size search correctly.
  uint32_t top = 1;
  while (top * 2 < count_) top *= 2;
  uint32_t i = 0;
  for (uint32_t h = top; h; h >>= 1) {
    const uint32_t probe = i | h;
    if (probe < count_ && table_[probe].value <= value) i = probe;
  }
  if (i + 1 < count_ && std::fabs(static_cast<double>(value) - table_[i + 1].value) <
                            std::fabs(static_cast<double>(value) - table_[i].value))
    return i + 1;
  return i;
}

uint32_t MAP_FLOAT::eng_to_raw(float value) const {
  // A value read from a file may be NaN; it gets the minimum like any value below it.
  if (std::isnan(value)) value = minimum_;
  if (value > maximum_) value = maximum_;
  if (value < minimum_) value = minimum_;
  if (table_) return table_index(value);
  if (!(maximum_ > minimum_)) return 0;
  const double span = static_cast<double>(raw_max_) - raw_min_;
  return static_cast<uint32_t>((static_cast<double>(value) - minimum_) * span /
                                   (static_cast<double>(maximum_) - minimum_) +
                               0.5);
}

double MAP_FLOAT::linear_eng(uint32_t raw) const {
  const uint32_t span = raw_max_ - raw_min_;
  if (span == 0) return minimum_;
  return minimum_ + (static_cast<double>(maximum_) - minimum_) * clamp(raw) / span;
}

float MAP_FLOAT::raw_to_eng(uint32_t raw) const {
  if (table_) return table_[clamp(raw)].value;
  return static_cast<float>(linear_eng(raw));
}

tcString MAP_FLOAT::format_raw(uint32_t raw) const {
  if (table_) return tcString(table_[clamp(raw)].label);
  tcString text;
  text.format(format_or("%+4.1f"), linear_eng(raw));
  return text;
}
