#include "skin/objects/tcGuiRadioItem.h"

#include <QPainter>

#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "skin/objects/tcObjectReader.h"

namespace {
enum Arg { kX, kY, kValue, kColour, kFont, kTx, kTy, kImageArg };
}

const tcXmlData::AttrRow tcGuiRadioItem::kAttrs[] = {
    {"x", kX, &tcGuiRadioItem::set_attr},
    {"y", kY, &tcGuiRadioItem::set_attr},
    {"value", kValue, &tcGuiRadioItem::set_attr},
    {"color", kColour, &tcGuiRadioItem::set_attr},
    {"font", kFont, &tcGuiRadioItem::set_attr},
    {"tx", kTx, &tcGuiRadioItem::set_attr},
    {"ty", kTy, &tcGuiRadioItem::set_attr},
    {"image", kImageArg, &tcGuiRadioItem::set_attr},
    {nullptr, 0, nullptr},
};

tcGuiRadioItem::tcGuiRadioItem(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kRadioItem, id, name) {}

tcGuiRadioItem::~tcGuiRadioItem() = default;

std::unique_ptr<tcGuiObject> tcGuiRadioItem::clone(int id, const tcString& name) const {
  return clone_as<tcGuiRadioItem>(id, name);
}

namespace {
constexpr int kDot = 10;  // the drawn mark of an item without a picture
}

const tcGuiImage* tcGuiRadioItem::picture() const {
  if (image_ && image_->section(0)) return image_;
  const tcGuiImage* shared = group_ ? group_->item_image() : nullptr;
  return shared && shared->section(0) ? shared : nullptr;
}

void tcGuiRadioItem::finish() {
  // Without offsets of its own the text follows the mark, centred on the row.
  if (!tx_set_) {
    const tcGuiImage* p = picture();
    text_dx_ = (p ? p->section_width() : kDot) + 4;
  }
  if (!ty_set_) {
    text_dy_ = 0;
    align_ = Qt::AlignVCenter | (align_ & Qt::AlignHorizontal_Mask);
  }
  tcGuiObject::finish();
}

void tcGuiRadioItem::set_value(int selected) {
  const int v = selected ? 1 : 0;
  if (v == value_) return;
  value_ = v;
  repaint();
}

bool tcGuiRadioItem::left_press(int, int) {
  if (blocked() || (group_ && group_->blocked_for_user())) return false;
  pressed_ = true;
  armed_ = true;
  repaint();
  return true;
}

void tcGuiRadioItem::drag(int x, int y, int) {
  if (!pressed_) return;
  const bool over = hit_test(x, y);
  if (over == armed_) return;
  armed_ = over;
  repaint();
}

void tcGuiRadioItem::release(int x, int y) {
  drag(x, y, 0);  // the release point decides, whatever moves came before
  const bool chosen = pressed_ && armed_;
  pressed_ = false;
  armed_ = false;
  repaint();
  if (chosen && group_) group_->choose(this);
}

void tcGuiRadioItem::paint(QPainter& painter) {
  paint_backdrop(painter);
  if (const tcGuiImage* p = picture()) {
    // Four sections: off, off hovered, on, on hovered; two: off, on.
    int section = value_;
    if (p->sections() >= 4) section = value_ * 2 + ((hover_ || armed_) ? 1 : 0);
    p->draw_section(painter, section, x_, y_);
  } else {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF mark(x_ + 0.5, y_ + (h_ - kDot) / 2.0 + 0.5, kDot - 1, kDot - 1);
    const QColor ink = QColor::fromRgba(text_colour_);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(mark);
    if (value_) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(ink);
      painter.drawEllipse(mark.adjusted(2.5, 2.5, -2.5, -2.5));
    }
    painter.restore();
  }
  paint_overlay(painter);
}

void tcGuiRadioItem::set_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiRadioItem* self = tcObjectReader::target<tcGuiRadioItem>(x);
  if (!self) return;
  tcObjectReader& bench = tcObjectReader::of(x);
  switch (arg) {
    case kX:
      self->set_x(bench.expression(value));
      self->x_set_ = true;
      break;
    case kY:
      self->set_y(bench.expression(value));
      self->y_set_ = true;
      break;
    case kValue:
      self->set_text(tcString(value));
      break;
    case kColour:
      self->text_colour_ = bench.colour(value);
      break;
    case kFont:
      if (const tcGuiFont* font = bench.find_font(value)) self->set_font_record(font);
      break;
    case kTx:
      self->set_text_dx(bench.expression(value));
      self->tx_set_ = true;
      break;
    case kTy:
      self->set_text_dy(bench.expression(value));
      self->ty_set_ = true;
      break;
    default:
      self->image_ = bench.image(value);
      break;
  }
}
