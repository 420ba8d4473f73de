#include "skin/objects/tcGuiObject.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/objects/tcBench.h"
#include "skin/objects/tcDisplayEditDlg.h"
#include "skin/objects/tcGuiEditModes.h"
#include "skin/objects/tcGuiFont.h"
#include "skin/objects/tcGuiFrame.h"
#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcGuiLabel.h"
#include "skin/objects/tcObjectReader.h"

namespace {
enum TextArg { kTextValue, kTextX, kTextY, kTextColour, kTextFont, kTextAlign };
enum RectArg { kRectX, kRectY, kRectW, kRectH, kRectImage };
}  // namespace

const tcXmlData::AttrRow tcGuiObject::kInheritAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiObject::kPositionAttrs[] = {
    {"x", kRectX, &tcGuiObject::set_position},
    {"y", kRectY, &tcGuiObject::set_position},
    {"w", kRectW, &tcGuiObject::set_position},
    {"h", kRectH, &tcGuiObject::set_position},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiObject::kTextAttrs[] = {
    {"value", kTextValue, &tcGuiObject::set_text_attr},
    {"x", kTextX, &tcGuiObject::set_text_attr},
    {"y", kTextY, &tcGuiObject::set_text_attr},
    {"color", kTextColour, &tcGuiObject::set_text_attr},
    {"font", kTextFont, &tcGuiObject::set_text_attr},
    {"align", kTextAlign, &tcGuiObject::set_text_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiObject::kFocusAttrs[] = {
    {"x", kRectX, &tcGuiObject::set_focus_attr},
    {"y", kRectY, &tcGuiObject::set_focus_attr},
    {"w", kRectW, &tcGuiObject::set_focus_attr},
    {"h", kRectH, &tcGuiObject::set_focus_attr},
    {"image", kRectImage, &tcGuiObject::set_focus_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiObject::kBitmapAttrs[] = {
    {"image", 0, &tcGuiObject::set_bitmap},
    {nullptr, 0, nullptr},
};

tcGuiObject::tcGuiObject(tcBench* bench, int kind, int id, const tcString& name)
    : kind_(kind),
      bench_(bench),
      name_(name),
      id_(id),
      font_(bench ? bench->base_qfont() : QFont()) {}

tcGuiObject::~tcGuiObject() = default;

void tcGuiObject::finish() {
  if (focus_image_) {
    if (!focus_w_set_) focus_w_ = focus_image_->section_width();
    if (!focus_h_set_) focus_h_ = focus_image_->section_height();
  }
  if (!font_rec_ && bench_) set_font_record(bench_->default_font());
  finished_ = true;
  layout_text();
}

void tcGuiObject::show(bool on) {
  if (!on) {
    hide();
    return;
  }
  visible_ = true;
  repaint();
}

void tcGuiObject::hide() {
  // Repainted while still visible, so that the area it leaves is redrawn.
  repaint();
  visible_ = false;
}

void tcGuiObject::set_text(const tcString& text) {
  if (text == text_) return;
  text_ = text;
  // While the skin loads, finish() lays the text out once.
  if (!finished_) return;
  layout_text();
  repaint();
}

int tcGuiObject::clamp_coord(int v) {
  constexpr int kLimit = 1 << 24;
  return v > kLimit ? kLimit : (v < -kLimit ? -kLimit : v);
}

void tcGuiObject::set_x(int x) {
  x_ = clamp_coord(x);
  area_.moveLeft(x_);
  if (finished_) layout_text();
}

void tcGuiObject::set_y(int y) {
  y_ = clamp_coord(y);
  area_.moveTop(y_);
  if (finished_) layout_text();
}

void tcGuiObject::set_height(int h) {
  h_ = clamp_coord(h);
  area_.setHeight(h_);
  if (finished_) layout_text();
}

void tcGuiObject::set_width(int w) {
  w_ = clamp_coord(w);
  area_.setWidth(w_);
  if (finished_) layout_text();
}

bool tcGuiObject::hit_test(int x, int y) const {
  // Edges included: a 50-wide object at 0 answers for x = 50 as well.
  return visible_ && x >= x_ && x <= x_ + w_ && y >= y_ && y <= y_ + h_;
}

bool tcGuiObject::intersects(const QRect& r) const {
  return visible_ && meets(r);
}

bool tcGuiObject::meets(const QRect& r) const {
  if (area_.intersects(r) || text_area_.intersects(r)) return true;
  const QRect local = r.translated(-x_, -y_);
  if (frame_ && frame_->meets(local)) return true;
  for (const tcGuiLabel* label : labels_) {
    if (label->meets(local)) return true;
  }
  return false;
}

void tcGuiObject::hover(int x, int y) {
  const bool over = hit_test(x, y);
  if (over == hover_) return;
  hover_ = over;
  repaint();
}

void tcGuiObject::inherit_from(const tcGuiObject& source) {
  set_x(source.x_);
  set_y(source.y_);
  set_width(source.w_);
  set_height(source.h_);
  text_ = source.text_;
  text_dx_ = source.text_dx_;
  text_dy_ = source.text_dy_;
  // The text's look goes with it: its alignment and colour.
  align_ = source.align_;
  text_colour_ = source.text_colour_;
  font_rec_ = source.font_rec_;
  font_ = source.font_;
  focus_x_ = source.focus_x_;
  focus_y_ = source.focus_y_;
  focus_w_ = source.focus_w_;
  focus_h_ = source.focus_h_;
  focus_w_set_ = source.focus_w_set_;
  focus_h_set_ = source.focus_h_set_;
  focus_image_ = source.focus_image_;
  if (source.kind_ == kind_) copy_look(source);
}

bool tcGuiObject::can_hold(const tcGuiObject* child) const {
  if (!child || child->holder_) return false;
  for (const tcGuiObject* o = this; o; o = o->holder_) {
    if (o == child) return false;
  }
  return true;
}

void tcGuiObject::attach_label(tcGuiLabel* label) {
  if (!can_hold(label)) return;
  label->holder_ = this;
  labels_.push_back(label);
}

void tcGuiObject::attach_frame(tcGuiFrame* frame) {
  if (!can_hold(frame)) return;
  if (frame_) frame_->holder_ = nullptr;
  frame->holder_ = this;
  frame_ = frame;
}

void tcGuiObject::set_callback(ValueCallback callback, void* cookie, int group) {
  value_callback_ = callback;
  cookie_ = cookie;
  group_ = group;
}

void tcGuiObject::set_font_record(const tcGuiFont* font) {
  font_rec_ = font;
  if (font) font_ = font->qfont();
}

void tcGuiObject::repaint() {
  if (!bench_ || !visible_) return;
  bench_->invalidate(area_);
  if (!text_area_.isEmpty() && !area_.contains(text_area_)) bench_->invalidate(text_area_);
}

void tcGuiObject::repaint(const QRect& skin_rect) {
  if (bench_ && visible_) bench_->invalidate(skin_rect);
}

bool tcGuiObject::blocked() const {
  return disabled_ || (bench_ && bench_->group_locked(group_));
}

bool tcGuiObject::press_for_drag(int x, int y) {
  if (blocked()) return false;
  last_x_ = x;
  last_y_ = y;
  pressed_ = true;
  repaint();
  return true;
}

void tcGuiObject::end_press() {
  pressed_ = false;
  repaint();
}

void tcGuiObject::report(int value) const {
  if (value_callback_) value_callback_(cookie_, group_, value);
}

void tcGuiObject::edit_on_double_click(const tcGuiEditModes& modes, const tcString& value) {
  if (modes.editable() && edit_callback_ && !blocked()) {
    tcDisplayEditDlg dialog(bench_ ? bench_->host() : nullptr, value.toQString(),
                            modes.units().toQString(), modes.dlg_regexp().toQString());
    if (bench_) dialog.move(bench_->to_global(x_, y_ + h_));
    if (dialog.exec() == QDialog::Accepted && !dialog.text().isEmpty() && dialog.acceptable()) {
      const QByteArray entered = dialog.text().toLatin1();
      edit_callback_(cookie_, group_, tcString(entered.constData()));
    }
  }
  if (modes.dclickable() && dclick_callback_) dclick_callback_(cookie_, group_);
}

void tcGuiObject::set_text_colour(uint32_t colour) {
  if (colour == text_colour_) return;
  text_colour_ = colour;
  repaint();
}

void tcGuiObject::paint(QPainter& painter) {
  paint_backdrop(painter);
  paint_overlay(painter);
}

void tcGuiObject::paint_overlay(QPainter& painter) {
  draw_text(painter);
  draw_focus(painter);
  paint_attachments(painter);
}

QPoint tcGuiObject::text_origin() const {
  // The offsets count inward from the aligned edge.
  int x = text_dx_;
  if (align_ & Qt::AlignHCenter) x = w_ / 2 + text_dx_;
  if (align_ & Qt::AlignRight) x = w_ - text_dx_;
  int y = text_dy_;
  if (align_ & Qt::AlignVCenter) y = h_ / 2 + text_dy_;
  if (align_ & Qt::AlignBottom) y = h_ - text_dy_;
  return QPoint(x, y);
}

void tcGuiObject::layout_text() {
  lines_.clear();
  text_area_ = QRect();
  text_transform_.reset();
  if (text_.empty()) return;
  const QFontMetrics metrics(font_);
  const int pitch = font_rec_ ? font_rec_->spacing : metrics.height();
  const QString all = text_.toQString();
  const QStringList parts = all.split(QLatin1Char('\n'));
  const int block = (static_cast<int>(parts.size()) - 1) * pitch + metrics.height();
  const QPoint origin = text_origin();
  double top = origin.y();
  if (align_ & Qt::AlignVCenter) top -= block / 2.0;
  if (align_ & Qt::AlignBottom) top -= block;
  QRectF bounds;
  for (const QString& part : parts) {
    const int width = metrics.horizontalAdvance(part);
    double left = origin.x();
    if (align_ & Qt::AlignHCenter) left -= width / 2.0;
    if (align_ & Qt::AlignRight) left -= width;
    TextLine line{QStaticText(part), QPointF(left, top)};
    line.text.setTextFormat(Qt::PlainText);
    // Prepared on its first paint, so texts of pages never shown cost nothing.
    line.text.setPerformanceHint(QStaticText::AggressiveCaching);
    bounds |= QRectF(left, top, width, metrics.height());
    lines_.push_back(std::move(line));
    top += pitch;
  }
  int angle = font_rec_ ? font_rec_->angle : 0;
  if (angle != 0 && angle != 90 && angle != -90) angle %= 90;
  if (angle != 0) {
    text_transform_.translate(origin.x(), origin.y());
    text_transform_.rotate((360 - angle) % 360);
    text_transform_.translate(-origin.x(), -origin.y());
    bounds = text_transform_.mapRect(bounds);
  }
  text_area_ = bounds.toAlignedRect().adjusted(-1, -1, 1, 1).translated(x_, y_);
}

void tcGuiObject::draw_text(QPainter& painter) {
  if (lines_.empty()) return;
  painter.save();
  painter.translate(x_, y_);
  if (!text_transform_.isIdentity()) painter.setTransform(text_transform_, true);
  painter.setFont(font_);
  painter.setPen(QColor::fromRgba(text_colour_));
  for (const TextLine& line : lines_) painter.drawStaticText(line.pos, line.text);
  painter.restore();
}

void tcGuiObject::draw_focus(QPainter& painter) {
  if (focus_image_ && is_active())
    focus_image_->draw_section(painter, 0, x_ + focus_x_, y_ + focus_y_);
}

void tcGuiObject::paint_attachments(QPainter& painter) {
  if (labels_.empty()) return;
  painter.save();
  painter.translate(x_, y_);
  for (tcGuiLabel* label : labels_) label->paint(painter);
  painter.restore();
}

void tcGuiObject::paint_backdrop(QPainter& painter) {
  if (!frame_) return;
  // The frame lies under the object; a filled frame would hide it otherwise.
  painter.save();
  painter.translate(x_, y_);
  frame_->paint(painter);
  painter.restore();
}

void tcGuiObject::size_from(const tcGuiImage* image) {
  if (!image || image->picture().isNull()) return;
  set_width(image->section_width());
  set_height(image->section_height());
}

void tcGuiObject::set_inherit(tcXmlData& x, const char* value, int) {
  tcGuiObject* self = tcObjectReader::target<tcGuiObject>(x);
  const tcGuiObject* source = tcObjectReader::of(x).find_object(value);
  if (self && source && source != self) self->inherit_from(*source);
}

void tcGuiObject::set_position(tcXmlData& x, const char* value, int arg) {
  tcGuiObject* self = tcObjectReader::target<tcGuiObject>(x);
  if (!self) return;
  const int v = tcObjectReader::of(x).expression(value);
  switch (arg) {
    case kRectX:
      self->set_x(v);
      break;
    case kRectY:
      self->set_y(v);
      break;
    case kRectW:
      self->set_width(v);
      break;
    default:
      self->set_height(v);
      break;
  }
}

void tcGuiObject::set_text_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiObject* self = tcObjectReader::target<tcGuiObject>(x);
  if (!self) return;
  tcObjectReader& bench = tcObjectReader::of(x);
  switch (arg) {
    case kTextValue:
      self->set_text(tcString(value));
      break;
    case kTextX:
      self->set_text_dx(bench.expression(value));
      break;
    case kTextY:
      self->set_text_dy(bench.expression(value));
      break;
    case kTextColour:
      self->text_colour_ = bench.colour(value);
      break;
    case kTextFont:
      if (const tcGuiFont* font = bench.find_font(value)) self->set_font_record(font);
      break;
    default:
      self->align_ = tcObjectReader::alignment(value);
      break;
  }
}

void tcGuiObject::set_focus_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiObject* self = tcObjectReader::target<tcGuiObject>(x);
  if (!self) return;
  tcObjectReader& bench = tcObjectReader::of(x);
  switch (arg) {
    case kRectX:
      self->focus_x_ = clamp_coord(bench.expression(value));
      break;
    case kRectY:
      self->focus_y_ = clamp_coord(bench.expression(value));
      break;
    case kRectW:
      self->focus_w_ = clamp_coord(bench.expression(value));
      self->focus_w_set_ = true;
      break;
    case kRectH:
      self->focus_h_ = clamp_coord(bench.expression(value));
      self->focus_h_set_ = true;
      break;
    default:
      self->focus_image_ = bench.image(value);
      break;
  }
}

void tcGuiObject::set_bitmap(tcXmlData& x, const char* value, int arg) {
  if (tcGuiObject* self = tcObjectReader::target<tcGuiObject>(x)) {
    self->set_image(arg, tcObjectReader::of(x).image(value));
  }
}
