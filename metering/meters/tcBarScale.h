#pragma once
// The geometry of one meter bar, without any widget: the range and drawing
// style of each bar kind, where each value byte lands, how thick a marker is
// and where the LED separators fall.
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

class tcBarScale {
 public:
  enum Style { kLevel, kReduction };
  enum Orientation { kVertical = 0, kHorizontal = 1 };
  static constexpr int kKinds = 9;
  static constexpr uint8_t kNoValue = 255;
  static constexpr int kMaxLeds = 200;
  static constexpr int kMinLedSpacing = 4;

  // Kinds outside 0 to 8 are taken as kind 0.
  tcBarScale(int kind, int orientation, int width, int height);

  int kind() const { return kind_; }
  int orientation() const { return orientation_; }
  int width() const { return width_; }
  int height() const { return height_; }
  int range_db() const;
  Style style() const;
  // What a bar of this kind shows before its first values.
  uint8_t initial_value() const;
  int length() const { return orientation_ == kHorizontal ? width_ : height_; }
  int marker_thickness() const;
  // Pixel position of a value byte along the bar (see the table's construction).
  int position(uint8_t value) const { return positions_[value]; }

  // The lit part of the bar for a main value, the marker for a marker value;
  // empty when nothing is drawn. Rectangles are in bar coordinates.
  QRect lit_rect(uint8_t value) const;
  QRect marker_rect(uint8_t value, uint8_t marker) const;

  // Separator lines across an image of `length` pixels for `leds` LEDs: none
  // for a continuous bar or when they would come closer than kMinLedSpacing.
  static std::vector<int> separators(int length, int leds);

 private:
  int kind_;
  int orientation_;
  int width_;
  int height_;
  std::array<int, 256> positions_{};
};
