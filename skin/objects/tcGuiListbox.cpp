#include "skin/objects/tcGuiListbox.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstring>

#include "skin/objects/tcGuiFont.h"
#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcObjectReader.h"

namespace {
enum Arg { kType, kItemFont, kSClickable };
}

const tcXmlData::AttrRow tcGuiListbox::kAttrs[] = {
    {"inherit", 0, &tcGuiObject::set_inherit},
    {"type", kType, &tcGuiListbox::set_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiListbox::kItemAttrs[] = {
    {"font", kItemFont, &tcGuiListbox::set_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiListbox::kModeAttrs[] = {
    {"type", kType, &tcGuiListbox::set_attr},
    {"sclickable", kSClickable, &tcGuiListbox::set_attr},
    {nullptr, 0, nullptr},
};

tcGuiListbox::tcGuiListbox(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kListbox, id, name) {}

tcGuiListbox::~tcGuiListbox() = default;

std::unique_ptr<tcGuiObject> tcGuiListbox::clone(int id, const tcString& name) const {
  return clone_as<tcGuiListbox>(id, name);
}

void tcGuiListbox::finish() {
  if (!item_font_ && bench()) item_font_ = bench()->default_font();
  value_ = -1;
  row_h_ = (item_font_ ? QFontMetrics(item_font_->qfont()).height() : 14) + 2;
  tcGuiObject::finish();
}

int tcGuiListbox::visible_rows() const {
  const int n = row_h_ > 0 ? h_ / row_h_ : 0;
  return n > 0 ? n : 1;
}

bool tcGuiListbox::has_rail() const {
  return static_cast<int>(entries_.size()) > visible_rows();
}

void tcGuiListbox::set_entries(const std::vector<tcString>& entries) {
  entries_ = entries;
  marks_.assign(entries_.size(), false);
  value_ = -1;
  current_ = -1;
  scroll_to(0);
  repaint();
}

void tcGuiListbox::set_type(int type) {
  type_ = type == kMulti ? kMulti : kSingle;
  marks_.assign(entries_.size(), false);
  value_ = -1;
  repaint();
}

bool tcGuiListbox::selected(int row) const {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return false;
  return type_ == kMulti ? marks_[static_cast<size_t>(row)] : row == value_;
}

void tcGuiListbox::set_selected(int row, bool on) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  if (type_ == kMulti) {
    marks_[static_cast<size_t>(row)] = on;
  } else if (on) {
    value_ = row;
  } else if (value_ == row) {
    value_ = -1;
  }
  repaint();
}

void tcGuiListbox::scroll_to(int top) {
  const int last = static_cast<int>(entries_.size()) - visible_rows();
  const int t = top > last ? last : top;
  top_ = t < 0 ? 0 : t;
  repaint();
}

int tcGuiListbox::row_at(int x, int y) const {
  if (!hit_test(x, y) || y >= y_ + h_) return -1;
  if (has_rail() && x >= x_ + w_ - kRailWidth) return -1;
  const int row = top_ + (y - y_) / row_h_;
  return row < static_cast<int>(entries_.size()) ? row : -1;
}

void tcGuiListbox::pick(int row) {
  if (row < 0) return;
  set_selected(row, type_ == kMulti ? !selected(row) : true);
  report(row);
}

bool tcGuiListbox::left_press(int x, int y) {
  if (blocked()) return false;
  if (has_rail() && x >= x_ + w_ - kRailWidth) {
    // The rail pages: above the middle up, below down.
    const int page = visible_rows();
    scroll_to(y < y_ + h_ / 2 ? top_ - page : top_ + page);
    return false;
  }
  const int row = row_at(x, y);
  if (row < 0) return false;
  current_ = row;
  pressed_ = true;
  if (sclickable_) {
    pick(row);
  } else {
    repaint();
  }
  return true;
}

void tcGuiListbox::release(int, int) {
  pressed_ = false;
}

void tcGuiListbox::drag(int, int y, int) {
  // Dragging past either end scrolls a row at a time.
  if (!pressed_) return;
  if (y < y_) scroll_to(top_ - 1);
  if (y > y_ + h_) scroll_to(top_ + 1);
}

void tcGuiListbox::hover(int x, int y) {
  const int row = row_at(x, y);
  const bool over = hit_test(x, y);
  if (row == hover_row_ && over == hover_) return;
  hover_row_ = row;
  hover_ = over;
  repaint();
}

void tcGuiListbox::double_click(int x, int y) {
  if (blocked()) return;
  const int row = row_at(x, y);
  if (row < 0) return;
  current_ = row;
  // A single click that selects has chosen this row already.
  if (!sclickable_) pick(row);
  if (dclick_callback_) dclick_callback_(cookie_, group_);
}

void tcGuiListbox::paint(QPainter& painter) {
  paint_backdrop(painter);
  painter.fillRect(area_, QColor::fromRgba(list_colour(kBgList)));
  if (image_) image_->draw_section(painter, 0, x_, y_);
  const bool rail = has_rail();
  const int text_w = w_ - (rail ? kRailWidth : 0);
  painter.save();
  painter.setClipRect(QRect(x_, y_, text_w, h_), Qt::IntersectClip);
  painter.setFont(item_font_ ? item_font_->qfont() : font_);
  const int rows = visible_rows();
  for (int i = 0; i < rows && top_ + i < static_cast<int>(entries_.size()); ++i) {
    const int row = top_ + i;
    const QRect line(x_, y_ + i * row_h_, text_w, row_h_);
    uint32_t fg = list_colour(kFgList);
    if (selected(row)) {
      painter.fillRect(line, QColor::fromRgba(list_colour(kBgSelect)));
      fg = list_colour(kFgSelect);
    } else if (row == hover_row_ || row == current_) {
      painter.fillRect(line, QColor::fromRgba(list_colour(kBgHilite)));
      fg = list_colour(kFgHilite);
    }
    painter.setPen(QColor::fromRgba(fg));
    painter.drawText(line.adjusted(3, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     entries_[static_cast<size_t>(row)].toQString());
  }
  painter.restore();
  if (rail) {
    const QRect groove(x_ + w_ - kRailWidth, y_, kRailWidth, h_);
    painter.fillRect(groove, QColor::fromRgba(list_colour(kBgRail)));
    const int n = static_cast<int>(entries_.size());
    const int thumb_h = h_ * rows / n > 6 ? h_ * rows / n : 6;
    const int thumb_y = n > rows ? (h_ - thumb_h) * top_ / (n - rows) : 0;
    painter.fillRect(QRect(groove.x() + 1, y_ + thumb_y, kRailWidth - 2, thumb_h),
                     QColor::fromRgba(list_colour(kFgList)));
  }
  draw_text(painter);
  draw_focus(painter);
  paint_attachments(painter);
}

void tcGuiListbox::set_attr(tcXmlData& x, const char* value, int arg) {
  tcGuiListbox* self = tcObjectReader::target<tcGuiListbox>(x);
  if (!self) return;
  switch (arg) {
    case kType:
      self->type_ = std::strcmp(value, "MULTI") == 0 ? kMulti : kSingle;
      break;
    case kItemFont:
      if (const tcGuiFont* font = tcObjectReader::of(x).find_font(value)) self->item_font_ = font;
      break;
    default:
      self->sclickable_ = tcObjectReader::flag(value);
      break;
  }
}
