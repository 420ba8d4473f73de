#include "skin/objects/tcGuiSlider.h"

#include <QPainter>
#include <cmath>
#include <cstring>

#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcObjectReader.h"

namespace {
enum ImageArg { kRail, kThumb };
}

const tcXmlData::AttrRow tcGuiSlider::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"direction", 0, &tcGuiSlider::set_direction},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiSlider::kBitmapAttrs[] = {
    {"rail", kRail, &tcGuiObject::set_bitmap},
    {"thumb", kThumb, &tcGuiObject::set_bitmap},
    {nullptr, 0, nullptr},
};

tcGuiSlider::tcGuiSlider(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kSlider, id, name) {}

tcGuiSlider::~tcGuiSlider() = default;

std::unique_ptr<tcGuiObject> tcGuiSlider::clone(int id, const tcString& name) const {
  return clone_as<tcGuiSlider>(id, name);
}

void tcGuiSlider::finish() {
  size_from(rail_);
  if (thumb_ && !thumb_->picture().isNull()) {
    thumb_w_ = thumb_->section_width();
    thumb_h_ = thumb_->section_height();
  } else if (thumb_w_ == 0 && thumb_h_ == 0) {
    // Without a thumb picture the drawn thumb is a small block across the rail.
    thumb_w_ = horizontal_ ? 8 : w_;
    thumb_h_ = horizontal_ ? h_ : 8;
  }
  thumb_pos_ = thumb_of(value_);
  tcGuiObject::finish();
}

void tcGuiSlider::set_width(int w) {
  tcGuiObject::set_width(w);
  thumb_pos_ = thumb_of(value_);
}

void tcGuiSlider::set_height(int h) {
  tcGuiObject::set_height(h);
  thumb_pos_ = thumb_of(value_);
}

int tcGuiSlider::clamp(long long v) const {
  return v < minimum_ ? minimum_ : (v > maximum_ ? maximum_ : static_cast<int>(v));
}

int tcGuiSlider::thumb_of(int value) const {
  const double span = static_cast<double>(maximum_) - minimum_;
  const double t = span > 0 ? (value - static_cast<double>(minimum_)) / span : 0.0;
  if (horizontal_) return thumb_w_ / 2 + static_cast<int>((w_ - thumb_w_) * t + 0.5);
  return h_ - thumb_h_ / 2 - static_cast<int>((h_ - thumb_h_) * t + 0.5);
}

double tcGuiSlider::raw_value_of(int thumb) const {
  const double span = static_cast<double>(maximum_) - minimum_;
  const double travel = horizontal_ ? w_ - thumb_w_ : h_ - thumb_h_;
  if (travel <= 0) return minimum_;
  const double along = horizontal_ ? thumb - thumb_w_ / 2 : h_ - thumb_h_ / 2 - thumb;
  return std::round(minimum_ + along * span / travel);  // half away from zero
}

int tcGuiSlider::value_of(int thumb) const {
  const double v = raw_value_of(thumb);
  return v <= minimum_ ? minimum_ : (v >= maximum_ ? maximum_ : static_cast<int>(v));
}

void tcGuiSlider::take(int value, int thumb) {
  const bool changed = value != value_;
  if (!changed && thumb == thumb_pos_) return;
  value_ = value;
  thumb_pos_ = thumb;
  repaint();
  if (changed) report(value_);
}

void tcGuiSlider::move_thumb(int d) {
  int thumb = horizontal_ ? thumb_pos_ + d : thumb_pos_ - d;
  const double raw = raw_value_of(thumb);
  const int v = value_of(thumb);
  // Pushed past a bound, the thumb snaps back to it.
  if (raw < minimum_ || raw > maximum_) thumb = thumb_of(v);
  take(v, thumb);
}

void tcGuiSlider::nudge(int d) {
  const int v = clamp(static_cast<long long>(value_) + (d > 0 ? 1 : -1));
  take(v, thumb_of(v));
}

void tcGuiSlider::set_value(int value) {
  const int v = clamp(value);
  const int thumb = thumb_of(v);
  if (v == value_ && thumb == thumb_pos_) return;
  value_ = v;
  thumb_pos_ = thumb;
  repaint();
}

void tcGuiSlider::set_range(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum < minimum ? minimum : maximum;
  value_ = clamp(value_);
  thumb_pos_ = thumb_of(value_);
  repaint();
}

bool tcGuiSlider::left_press(int x, int y) {
  return press_for_drag(x, y);
}

void tcGuiSlider::release(int, int) {
  end_press();
}

void tcGuiSlider::drag(int x, int y, int modifiers) {
  if (!pressed_ || blocked()) return;
  int d = horizontal_ ? x - last_x_ : last_y_ - y;
  last_x_ = x;
  last_y_ = y;
  if (d == 0) return;
  if (modifiers & kControl) {
    nudge(d);
    return;
  }
  if (modifiers & kShift) d *= 5;
  move_thumb(d);
}

void tcGuiSlider::wheel(int step, int modifiers) {
  if (blocked()) return;
  const int sign = step > 0 ? 1 : -1;
  if (modifiers & kControl) {
    nudge(sign);
    return;
  }
  move_thumb(sign * ((modifiers & kShift) ? 10 : 3));
}

void tcGuiSlider::paint(QPainter& painter) {
  paint_backdrop(painter);
  if (rail_ && rail_->section(0)) {
    rail_->draw_section(painter, 0, x_, y_);
  } else {
    // A plain groove along the middle.
    const QRect groove =
        horizontal_ ? QRect(x_, y_ + h_ / 2 - 2, w_, 4) : QRect(x_ + w_ / 2 - 2, y_, 4, h_);
    painter.fillRect(groove, QColor(0x10, 0x10, 0x10));
  }
  const int left = horizontal_ ? x_ + thumb_pos_ - thumb_w_ / 2 : x_ + (w_ - thumb_w_) / 2;
  const int top = horizontal_ ? y_ + (h_ - thumb_h_) / 2 : y_ + thumb_pos_ - thumb_h_ / 2;
  if (thumb_ && thumb_->section(0)) {
    const int section = thumb_->sections() > 1 && (pressed_ || hover_) ? 1 : 0;
    thumb_->draw_section(painter, section, left, top);
  } else {
    painter.fillRect(QRect(left, top, thumb_w_, thumb_h_),
                     pressed_ ? QColor(0xF0, 0xF0, 0xF0) : QColor(0xB0, 0xB8, 0xC0));
  }
  paint_overlay(painter);
}

void tcGuiSlider::set_image(int arg, tcGuiImage* image) {
  (arg == kThumb ? thumb_ : rail_) = image;
}

void tcGuiSlider::copy_look(const tcGuiObject& source) {
  const auto& other = static_cast<const tcGuiSlider&>(source);
  horizontal_ = other.horizontal_;
  rail_ = other.rail_;
  thumb_ = other.thumb_;
}

void tcGuiSlider::set_direction(tcXmlData& x, const char* value, int) {
  if (tcGuiSlider* self = tcObjectReader::target<tcGuiSlider>(x)) {
    self->horizontal_ = std::strcmp(value, "horz") == 0;
  }
}
