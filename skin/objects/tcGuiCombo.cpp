#include "skin/objects/tcGuiCombo.h"

#include <QPainter>
#include <QPainterPath>
#include <cstring>

#include "skin/objects/tcComboPopup.h"
#include "skin/objects/tcGuiFont.h"
#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcObjectReader.h"

namespace {
enum Arg { kType, kRows, kDropFont, kReverse, kAutoroll };
}

const tcXmlData::AttrRow tcGuiCombo::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"type", kType, &tcGuiCombo::set_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiCombo::kDropAttrs[] = {
    {"rows", kRows, &tcGuiCombo::set_attr},
    {"font", kDropFont, &tcGuiCombo::set_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiCombo::kModeAttrs[] = {
    {"type", kType, &tcGuiCombo::set_attr},
    {"reverse", kReverse, &tcGuiCombo::set_attr},
    {"autoroll", kAutoroll, &tcGuiCombo::set_attr},
    {"editable", tcGuiEditModes::kEditable, &tcGuiEditModes::set_mode},
    {"units", tcGuiEditModes::kUnits, &tcGuiEditModes::set_mode},
    {"dlgregexp", tcGuiEditModes::kDlgRegExp, &tcGuiEditModes::set_mode},
    {"dclickable", tcGuiEditModes::kDClickable, &tcGuiEditModes::set_mode},
    {nullptr, 0, nullptr},
};

tcGuiCombo::tcGuiCombo(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kCombo, id, name) {}

tcGuiCombo::~tcGuiCombo() = default;

std::unique_ptr<tcGuiObject> tcGuiCombo::clone(int id, const tcString& name) const {
  return clone_as<tcGuiCombo>(id, name);
}

int tcGuiCombo::arrow_width() const {
  return image_ && !image_->picture().isNull() ? image_->section_width() : 14;
}

int tcGuiCombo::arrow_at(int x, int y) const {
  if (!hit_test(x, y) || x < x_ + w_ - arrow_width()) return 0;
  return y < y_ + h_ / 2 ? 1 : -1;
}

void tcGuiCombo::set_entries(const std::vector<tcString>& entries) {
  entries_ = entries;
  const int last = static_cast<int>(entries_.size()) - 1;
  value_ = value_ > last ? last : (value_ < 0 ? 0 : value_);
  set_text(entries_.empty() ? tcString() : entries_[static_cast<size_t>(value_)]);
  repaint();
}

void tcGuiCombo::set_index(int index) {
  const int last = static_cast<int>(entries_.size()) - 1;
  const int i = index > last ? last : (index < 0 ? 0 : index);
  if (i == value_ && (entries_.empty() || text_ == entries_[static_cast<size_t>(i)])) return;
  value_ = i;
  if (!entries_.empty()) set_text(entries_[static_cast<size_t>(i)]);
  repaint();
}

void tcGuiCombo::step(int amount) {
  if (type_ == kUser) {
    report(amount);
    return;
  }
  const int before = value_;
  set_index(value_ + amount);
  if (value_ != before) report(value_);
}

void tcGuiCombo::choose(int index) {
  if (type_ == kUser) {
    report(index - value_);
    return;
  }
  const int before = value_;
  set_index(index);
  if (value_ != before) report(value_);
}

void tcGuiCombo::open_popup() {
  if (!popup_) {
    popup_ = std::make_unique<tcComboPopup>();
    QObject::connect(popup_.get(), &tcComboPopup::sig_chosen, [this](int row) { choose(row); });
  }
  tcComboPopup::Look look;
  look.font = drop_font_ ? drop_font_->qfont() : font_;
  look.fg = QColor::fromRgba(list_colour(kFgList));
  look.bg = QColor::fromRgba(list_colour(kBgList));
  look.fg_select = QColor::fromRgba(list_colour(kFgSelect));
  look.bg_select = QColor::fromRgba(list_colour(kBgSelect));
  const int width = bench() ? bench()->to_widget_x(x_ + w_) - bench()->to_widget_x(x_) : w_;
  const QPoint below = bench() ? bench()->to_global(x_, y_ + h_) : QPoint(x_, y_ + h_);
  popup_->open(entries_, value_, rows_, width, look, below);
}

void tcGuiCombo::hide() {
  if (popup_) popup_->hide();
  tcGuiObject::hide();
}

bool tcGuiCombo::left_press(int x, int y) {
  if (blocked()) return false;
  int arrow = arrow_at(x, y);
  if (arrow == 0) {
    if (type_ == kDrop && !entries_.empty()) open_popup();
    return false;
  }
  pressed_ = true;
  held_ = arrow;
  hover_arrow_ = arrow;
  ticks_ = 0;
  repaint();
  if (reverse_) arrow = -arrow;
  step(arrow);
  return true;
}

void tcGuiCombo::release(int, int) {
  pressed_ = false;
  held_ = 0;
  repaint();
}

void tcGuiCombo::drag(int x, int y, int) {
  if (!pressed_) return;
  // The repeat pauses while the pointer is off the arrow it pressed.
  hover(x, y);
}

void tcGuiCombo::hover(int x, int y) {
  const bool over = hit_test(x, y);
  const int arrow = arrow_at(x, y);
  if (over == hover_ && arrow == hover_arrow_) return;
  hover_ = over;
  hover_arrow_ = arrow;
  repaint();
}

void tcGuiCombo::animate() {
  if (!autoroll_ || !pressed_ || held_ == 0 || hover_arrow_ != held_ || blocked()) return;
  ++ticks_;
  // Held: still for 4 ticks, then 1 a tick, 5 from tick 15, 10 from tick 25.
  int amount = 0;
  if (ticks_ > 24) {
    amount = 10;
  } else if (ticks_ > 14) {
    amount = 5;
  } else if (ticks_ > 4) {
    amount = 1;
  }
  if (amount == 0) return;
  if (held_ < 0) amount = -amount;
  if (reverse_) amount = -amount;
  step(amount);
}

void tcGuiCombo::double_click(int x, int y) {
  if (arrow_at(x, y) != 0) return;
  edit_on_double_click(*this, text_);
}

void tcGuiCombo::paint(QPainter& painter) {
  paint_backdrop(painter);
  const int aw = arrow_width();
  painter.fillRect(area_, QColor::fromRgba(list_colour(kBg)));
  painter.save();
  painter.setClipRect(QRect(x_, y_, w_ - aw, h_), Qt::IntersectClip);
  draw_text(painter);
  painter.restore();
  const int ax = x_ + w_ - aw;
  if (image_ && image_->section(0)) {
    // Sections: 0 at rest, 1 the up arrow held, 2 the down arrow held.
    int section = held_ > 0 ? 1 : (held_ < 0 ? 2 : 0);
    if (!image_->section(section)) section = 0;
    image_->draw_section(painter, section, ax, y_);
  } else {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fg = QColor::fromRgba(list_colour(kFg));
    const double cx = ax + aw / 2.0;
    const double half = h_ / 2.0;
    for (int dir : {1, -1}) {
      const double base = dir > 0 ? y_ + half - 2 : y_ + half + 2;
      const double tip = dir > 0 ? y_ + 2 : y_ + h_ - 2;
      QPainterPath arrow;
      arrow.moveTo(cx - aw / 3.0, base);
      arrow.lineTo(cx + aw / 3.0, base);
      arrow.lineTo(cx, tip);
      arrow.closeSubpath();
      painter.fillPath(arrow, held_ == dir ? fg.lighter(160) : fg);
    }
    painter.restore();
  }
  draw_focus(painter);
  paint_attachments(painter);
}

int tcGuiCombo::type_of(const char* text) {
  if (std::strcmp(text, "ROLL") == 0) return kRoll;
  if (std::strcmp(text, "USER") == 0) return kUser;
  return kDrop;
}

void tcGuiCombo::finish() {
  if (!drop_font_ && bench()) drop_font_ = bench()->default_font();
  tcGuiObject::finish();
}

void tcGuiCombo::set_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiCombo* self = tcObjectReader::target<tcGuiCombo>(x);
  if (!self) return;
  switch (arg) {
    case kType:
      self->type_ = type_of(value);
      break;
    case kRows:
      self->rows_ = tcObjectReader::of(x).expression(value);
      break;
    case kDropFont:
      if (const tcGuiFont* font = tcObjectReader::of(x).find_font(value)) self->drop_font_ = font;
      break;
    case kReverse:
      self->reverse_ = tcObjectReader::flag(value);
      break;
    default:
      self->autoroll_ = tcObjectReader::flag(value);
      break;
  }
}
