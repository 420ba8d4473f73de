#include "metering/meters/tcBarScale.h"

#include <algorithm>
#include <cmath>

namespace {

struct KindRow {
  int range_db;
  tcBarScale::Style style;
  uint8_t initial;
};

// Kinds 0 to 5 are level bars of 30, 40 and 60 dB; 6 to 8 gain reduction.
constexpr KindRow kKindTable[tcBarScale::kKinds] = {
    {30, tcBarScale::kLevel, 0},       {40, tcBarScale::kLevel, 0},
    {60, tcBarScale::kLevel, 0},       {30, tcBarScale::kLevel, 0},
    {40, tcBarScale::kLevel, 0},       {60, tcBarScale::kLevel, 0},
    {15, tcBarScale::kReduction, 255}, {20, tcBarScale::kReduction, 255},
    {30, tcBarScale::kReduction, 255},
};

}  // namespace

tcBarScale::tcBarScale(int kind, int orientation, int width, int height)
    : kind_(kind >= 0 && kind < kKinds ? kind : 0),
      orientation_(orientation == kHorizontal ? kHorizontal : kVertical),
      width_(std::max(0, width)),
      height_(std::max(0, height)) {
  const double range = range_db();
  for (int v = 255; v >= 0; --v) {
    const double f = (v / 4.0) / range;
    positions_[v] = orientation_ == kHorizontal ? width_ - static_cast<int>(f * (width_ - 1) + 0.5)
                                                : static_cast<int>(f * (height_ - 1) + 0.5);
  }
}

int tcBarScale::range_db() const {
  return kKindTable[kind_].range_db;
}
tcBarScale::Style tcBarScale::style() const {
  return kKindTable[kind_].style;
}
uint8_t tcBarScale::initial_value() const {
  return kKindTable[kind_].initial;
}

int tcBarScale::marker_thickness() const {
  return std::clamp(length() * 3 / 100, 4, 16);
}

QRect tcBarScale::lit_rect(uint8_t value) const {
  if (value == kNoValue) return {};
  const QRect bar(0, 0, width_, height_);
  const int pos = positions_[value];
  if (style() == kLevel) {
    // Beyond the range the position leaves the bar and the bar stays dark.
    if (pos < 0 || (orientation_ == kVertical && pos >= height_)) return {};
    return orientation_ == kVertical ? QRect(0, pos, width_, height_ - pos)
                                     : QRect(0, 0, pos, height_) & bar;
  }
  // A reduction beyond the range pegs the bar at full length.
  const int p = std::clamp(pos, 0, length());
  return orientation_ == kVertical ? QRect(0, 0, width_, p) : QRect(p, 0, width_ - p, height_);
}

QRect tcBarScale::marker_rect(uint8_t value, uint8_t marker) const {
  if (marker == kNoValue) return {};
  const bool shown = style() == kLevel ? marker != value : marker < value;
  if (!shown) return {};
  const int pos = positions_[marker];
  if (pos < 0) return {};
  const int t = marker_thickness();
  const QRect bar(0, 0, width_, height_);
  // The marker sits on the lit side of its position, like the bar's own end.
  const bool lit_before = (style() == kLevel) == (orientation_ == kHorizontal);
  const QRect r = orientation_ == kVertical ? QRect(0, lit_before ? pos - t : pos, width_, t)
                                            : QRect(lit_before ? pos - t : pos, 0, t, height_);
  return r & bar;
}

std::vector<int> tcBarScale::separators(int length, int leds) {
  std::vector<int> lines;
  if (leds <= 1 || length <= 0) return lines;
  const double spacing = static_cast<double>(length) / leds;
  if (spacing < kMinLedSpacing) return lines;
  for (int i = 1; i < leds; ++i) lines.push_back(static_cast<int>(std::lround(i * spacing)));
  return lines;
}
