#include "skin/objects/tcGuiKnob.h"

#include <QPainter>
#include <cstdlib>
#include <cstring>

#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcObjectReader.h"

namespace {
enum ImageArg { kKnobImage, kLedImage };
// In style code order.
const char* const kStyleNames[] = {"SIMPLE",      "RING_DOT", "RING_BAR", "RING_REBAR",
                                   "RING_SPREAD", "RING_Q",   "RING_PAN"};
}  // namespace

const tcXmlData::AttrRow tcGuiKnob::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"type", 0, &tcGuiKnob::set_type},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiKnob::kBitmapAttrs[] = {
    {"kimage", kKnobImage, &tcGuiObject::set_bitmap},
    {"limage", kLedImage, &tcGuiObject::set_bitmap},
    {nullptr, 0, nullptr},
};

tcGuiKnob::tcGuiKnob(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kKnob, id, name) {
  set_width(20);
  set_height(20);
}

tcGuiKnob::~tcGuiKnob() = default;

int tcGuiKnob::style_of(const char* text) {
  for (int i = 0; i < static_cast<int>(sizeof kStyleNames / sizeof kStyleNames[0]); ++i) {
    if (std::strcmp(text, kStyleNames[i]) == 0) return i;
  }
  return kSimple;
}

std::unique_ptr<tcGuiObject> tcGuiKnob::clone(int id, const tcString& name) const {
  return clone_as<tcGuiKnob>(id, name);
}

void tcGuiKnob::finish() {
  size_from(knob_image_);
  update_ring();
  tcGuiObject::finish();
}

namespace {
constexpr int kCentreLed = 12;
constexpr int kFirstLed = 2;
constexpr int kLastLed = 22;

uint32_t leds(int from, int to) {
  if (from > to) std::swap(from, to);
  if (from < kFirstLed) from = kFirstLed;
  if (to > kLastLed) to = kLastLed;
  uint32_t mask = 0;
  for (int b = from; b <= to; ++b) mask |= 1u << b;
  return mask;
}

int round_half_up(double v) {
  return static_cast<int>(v + 0.5);
}
}  // namespace

uint32_t tcGuiKnob::ring_of(int style, int value, int minimum, int maximum) {
  const long long v = static_cast<long long>(value) - minimum;
  const long long r = static_cast<long long>(maximum) - minimum;
  if (v < 0 || v > r || r == 0) return 0;
  const double t = static_cast<double>(v) / static_cast<double>(r);
  switch (style) {
    case kRingDot: {
      const int n = round_half_up(t * 20);
      return leds(n + 2, n + 2);
    }
    case kRingBar: {
      const int k = round_half_up(t * 21) + 2;
      return k - 1 >= kFirstLed ? leds(kFirstLed, k - 1) : 0;
    }
    case kRingRebar: {
      const int n = round_half_up(t * 21);
      return n + 2 <= kLastLed ? leds(n + 2, kLastLed) : 0;
    }
    case kRingSpread: {
      const int d = static_cast<int>(((v * 21) / 2) / r);
      return leds(kCentreLed - d, kCentreLed + d);
    }
    case kRingQ: {
      const int e = static_cast<int>((((r - v) * 21) / 2) / r);
      return leds(kCentreLed - e, kCentreLed + e);
    }
    case kRingPan: {
      const int p = static_cast<int>((v * 21) / r) + 2;
      return leds(kCentreLed, p);
    }
    default:
      return 0;
  }
}

void tcGuiKnob::set_range(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum < minimum ? minimum : maximum;
  set_value(value_);
  update_ring();
  repaint();
}

void tcGuiKnob::set_style(int style) {
  style_ = style >= kSimple && style <= kRingPan ? style : kSimple;
  update_ring();
  repaint();
}

void tcGuiKnob::set_value(int value) {
  const int v = value < minimum_ ? minimum_ : (value > maximum_ ? maximum_ : value);
  if (v == value_) return;
  value_ = v;
  update_ring();
  repaint();
}

void tcGuiKnob::step(int amount) {
  const long long wanted = static_cast<long long>(value_) + amount;
  const int v =
      wanted < minimum_ ? minimum_ : (wanted > maximum_ ? maximum_ : static_cast<int>(wanted));
  if (v == value_) return;
  value_ = v;
  update_ring();
  repaint();
  report(value_);
}

bool tcGuiKnob::left_press(int x, int y) {
  return press_for_drag(x, y);
}

void tcGuiKnob::release(int, int) {
  end_press();
}

void tcGuiKnob::drag(int x, int y, int modifiers) {
  if (!pressed_ || blocked()) return;
  const int dx = x - last_x_;
  const int dy = last_y_ - y;  // upwards is positive
  last_x_ = x;
  last_y_ = y;
  // Up-left and down-right mean nothing on a knob.
  if ((dx > 0 && dy < 0) || (dx < 0 && dy > 0)) return;
  int amount = std::abs(dx) <= std::abs(dy) ? dy : dx;
  if (modifiers & kShift) amount *= 5;
  if (modifiers & kControl) amount = amount > 0 ? 1 : (amount < 0 ? -1 : 0);
  if (amount != 0) step(amount);
}

void tcGuiKnob::wheel(int step_sign, int modifiers) {
  if (blocked()) return;
  int amount = step_sign > 0 ? 1 : -1;
  if ((modifiers & kShift) && !(modifiers & kControl)) amount *= 10;
  step(amount);
}

void tcGuiKnob::paint(QPainter& painter) {
  paint_backdrop(painter);
  const bool plain = disabled_look();
  if (knob_image_) {
    int section = 0;
    const long long r = static_cast<long long>(maximum_) - minimum_;
    if (!plain && r > 0) {
      const double t = static_cast<double>(value_ - minimum_) / static_cast<double>(r);
      section = round_half_up(t * (knob_image_->sections() - 1));
    }
    knob_image_->draw_section(painter, section, x_, y_);
  }
  if (led_image_ && style_ != kSimple && !plain) {
    for (int b = 0; b < 24; ++b) {
      if (ring_ & (1u << b)) led_image_->draw_section(painter, b, x_, y_);
    }
  }
  paint_overlay(painter);
}

void tcGuiKnob::set_image(int arg, tcGuiImage* image) {
  (arg == kLedImage ? led_image_ : knob_image_) = image;
}

void tcGuiKnob::copy_look(const tcGuiObject& source) {
  const auto& other = static_cast<const tcGuiKnob&>(source);
  style_ = other.style_;
  knob_image_ = other.knob_image_;
  led_image_ = other.led_image_;
}

void tcGuiKnob::set_type(tcXmlData& x, const char* value, int) {
  if (tcGuiKnob* self = tcObjectReader::target<tcGuiKnob>(x)) self->style_ = style_of(value);
}
