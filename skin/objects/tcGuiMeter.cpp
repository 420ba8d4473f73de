#include "skin/objects/tcGuiMeter.h"

#include <QPainter>
#include <cstring>

#include "app/core/tcLog.h"
#include "skin/objects/tcGuiImage.h"
#include "skin/objects/tcObjectReader.h"

namespace {
enum BarposArg { kCh, kX, kY, kOvrX, kOvrY };
enum TypeArg { kStyle, kClip, kChannels, kVertical, kTicksArg };
enum ImageArg { kBg, kBar, kOvr };
// Arguments of the shared text setter (see tcGuiObject::kTextAttrs).
enum TextArg { kTextX = 1, kTextY = 2, kTextColour = 3 };

const char* const kStyleNames[] = {"VU30",   "VU40", "VU60", "VUFS30", "VUFS40",
                                   "VUFS60", "GR15", "GR20", "GR30"};
const int kRangeDb[tcGuiMeter::kRanges] = {15, 20, 30, 40, 60};
int g_max_chans = 8;

void warn_sections(const tcBench* bench, const tcGuiImage* image, const char* text) {
  if (image && image->sections() != 6) {
    tcLog::message(bench ? bench->log_owner() : 0, tcLog::kError, "%s", text);
  }
}
}  // namespace

const tcXmlData::AttrRow tcGuiMeter::kBarposAttrs[] = {
    {"ch", kCh, &tcGuiMeter::set_barpos},     {"x", kX, &tcGuiMeter::set_barpos},
    {"y", kY, &tcGuiMeter::set_barpos},       {"ovrx", kOvrX, &tcGuiMeter::set_barpos},
    {"ovry", kOvrY, &tcGuiMeter::set_barpos}, {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiMeter::kTextAttrs[] = {
    {"x", kTextX, &tcGuiObject::set_text_attr},
    {"y", kTextY, &tcGuiObject::set_text_attr},
    {"color", kTextColour, &tcGuiObject::set_text_attr},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiMeter::kBitmapAttrs[] = {
    {"bg", kBg, &tcGuiObject::set_bitmap},
    {"bar", kBar, &tcGuiObject::set_bitmap},
    {"ovr", kOvr, &tcGuiObject::set_bitmap},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiMeter::kTypeAttrs[] = {
    {"style", kStyle, &tcGuiMeter::set_type},       {"clip", kClip, &tcGuiMeter::set_type},
    {"channels", kChannels, &tcGuiMeter::set_type}, {"vertical", kVertical, &tcGuiMeter::set_type},
    {"ticks", kTicksArg, &tcGuiMeter::set_type},    {nullptr, 0, nullptr},
};

tcGuiMeter::tcGuiMeter(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kMeter, id, name) {}

tcGuiMeter::~tcGuiMeter() = default;

void tcGuiMeter::set_max_chans(int n) {
  g_max_chans = n > 0 ? n : 1;
}

int tcGuiMeter::max_chans() {
  return g_max_chans;
}

int tcGuiMeter::style_of(const char* text) {
  for (int i = 0; i < static_cast<int>(sizeof kStyleNames / sizeof kStyleNames[0]); ++i) {
    if (std::strcmp(text, kStyleNames[i]) == 0) return i;
  }
  return kVU40;
}

int tcGuiMeter::range_db(int range_index) {
  return kRangeDb[range_index];
}

void tcGuiMeter::finish() {
  warn_sections(bench(), bar_image_, "WARNING: Meter bar image does not have 6 sections.");
  warn_sections(bench(), ovr_, "WARNING: Meter ovr image does not have 6 sections.");
  int length = vertical_ ? h_ : w_;
  if (bar_image_ && !bar_image_->picture().isNull()) {
    length = vertical_ ? bar_image_->section_height() : bar_image_->section_width();
  }
  // A panel bar is never longer than this; it keeps the tables in range for any skin.
  length = length < 0 ? 0 : (length > 65536 ? 65536 : length);
  length_ = length;
  levels_.assign(bars_.size(), kNoValue);
  overs_.assign(bars_.size(), 0);
  lit_.assign(bars_.size(), 0);
  for (int r = 0; r < kRanges; ++r) {
    for (int level = 0; level < kLevels; ++level) {
      const double db = level * 0.25;
      lengths_[r][level] = static_cast<int>((length - 1) * db / kRangeDb[r] + 0.5);
    }
  }
  for (int i = 0; i < kTicks; ++i) tick_pos_[i] = static_cast<int>(length * i / 10.0 + 0.5);
  tcGuiObject::finish();
}

std::unique_ptr<tcGuiObject> tcGuiMeter::clone(int id, const tcString& name) const {
  return clone_as<tcGuiMeter>(id, name);
}

int tcGuiMeter::range_index() const {
  // Scale ranges of the styles, as indexes of kRangeDb.
  static const int kStyleRange[] = {2, 3, 4, 2, 3, 4, 0, 1, 2};
  return kStyleRange[style_ >= 0 && style_ <= kGR30 ? style_ : kVU40];
}

int tcGuiMeter::lit_of(uint8_t level) const {
  if (level == kNoValue || length_ <= 0) return 0;
  const int n = lengths_[range_index()][level];
  if (gain_reduction()) return n > 0 ? (n + 1 < length_ ? n + 1 : length_) : 0;
  // Level meters light from full scale down to the bottom of their range.
  return n >= length_ - 1 ? 0 : length_ - n;
}

QRect tcGuiMeter::bar_rect(int ch) const {
  const Bar& b = bars_[static_cast<size_t>(ch)];
  int bw = vertical_ ? kPlainThickness : length_;
  int bh = vertical_ ? length_ : kPlainThickness;
  if (bar_image_ && bar_image_->section(0)) {
    bw = bar_image_->section_width();
    bh = bar_image_->section_height();
  }
  return QRect(x_ + b.x, y_ + b.y, bw, bh);
}

QRect tcGuiMeter::over_rect(int ch) const {
  const Bar& b = bars_[static_cast<size_t>(ch)];
  if (ovr_ && ovr_->section(0)) {
    return QRect(x_ + b.ovr_x, y_ + b.ovr_y, ovr_->section_width(), ovr_->section_height());
  }
  return QRect(x_ + b.ovr_x, y_ + b.ovr_y, kPlainThickness, kPlainThickness);
}

void tcGuiMeter::set_level(int ch, uint8_t level) {
  if (ch < 0 || ch >= static_cast<int>(levels_.size())) return;
  const size_t i = static_cast<size_t>(ch);
  levels_[i] = level;
  const int lit = lit_of(level);
  if (lit == lit_[i]) return;
  lit_[i] = lit;
  repaint(bar_rect(ch));
}

void tcGuiMeter::set_over(int ch, bool on) {
  if (ch < 0 || ch >= static_cast<int>(overs_.size())) return;
  const size_t i = static_cast<size_t>(ch);
  if ((overs_[i] != 0) == on) return;
  overs_[i] = on ? 1 : 0;
  repaint(over_rect(ch));
}

void tcGuiMeter::draw_bar(QPainter& painter, int ch) const {
  const QRect r = bar_rect(ch);
  const int lit = lit_[static_cast<size_t>(ch)];
  // Level bars grow from the bottom (or left), gain reduction from the top (or left).
  QRect on;
  if (vertical_) {
    const int top = gain_reduction() ? 0 : r.height() - lit;
    on = QRect(0, top, r.width(), lit);
  } else {
    on = QRect(0, 0, lit, r.height());
  }
  if (bar_image_ && bar_image_->section(1)) {
    // Section 0 is the unlit bar, section 1 the lit one.
    bar_image_->draw_section(painter, 0, r.x(), r.y());
    bar_image_->draw_section_part(painter, 1, on, r.x(), r.y());
  } else {
    painter.fillRect(r, QColor(0x18, 0x1C, 0x20));
    const QColor colour = gain_reduction() ? QColor(0xF0, 0xA0, 0x20) : QColor(0x30, 0xD0, 0x50);
    painter.fillRect(on.translated(r.topLeft()), colour);
  }
  const QRect o = over_rect(ch);
  const bool over_on = overs_[static_cast<size_t>(ch)] != 0;
  if (ovr_ && ovr_->section(1)) {
    ovr_->draw_section(painter, over_on ? 1 : 0, o.x(), o.y());
  } else if (clip_) {
    painter.fillRect(o, over_on ? QColor(0xFF, 0x20, 0x20) : QColor(0x40, 0x10, 0x10));
  }
}

void tcGuiMeter::paint(QPainter& painter) {
  paint_backdrop(painter);
  if (bg_) bg_->draw_section(painter, 0, x_, y_);
  const QRect clip = painter.hasClipping() ? painter.clipBoundingRect().toAlignedRect() : QRect();
  for (int ch = 0; ch < channels(); ++ch) {
    // A meter update repaints one bar; the other bars stay as they are.
    if (!clip.isNull() && !clip.intersects(bar_rect(ch)) && !clip.intersects(over_rect(ch))) {
      continue;
    }
    draw_bar(painter, ch);
  }
  if (ticks_ && channels() > 0) {
    painter.setPen(QColor::fromRgba(text_colour_));
    const QRect r = bar_rect(0);
    for (int i = 0; i < kTicks; ++i) {
      if (vertical_) {
        const int ty = r.bottom() - tick_pos_[i];
        painter.drawLine(r.left() - 4, ty, r.left() - 2, ty);
      } else {
        const int tx = r.left() + tick_pos_[i];
        painter.drawLine(tx, r.top() - 4, tx, r.top() - 2);
      }
    }
  }
  paint_overlay(painter);
}

void tcGuiMeter::set_image(int arg, tcGuiImage* image) {
  switch (arg) {
    case kBg:
      bg_ = image;
      break;
    case kBar:
      bar_image_ = image;
      break;
    default:
      ovr_ = image;
      break;
  }
}

void tcGuiMeter::start_barpos(tcXmlData& x, const char*, const char**) {
  tcObjectReader::of(x).enter_bar_position();
  if (tcGuiMeter* self = tcObjectReader::target<tcGuiMeter>(x)) {
    self->pending_ch_ = -1;
    self->pending_ = Bar();
  }
}

void tcGuiMeter::end_barpos(tcXmlData& x) {
  tcGuiMeter* self = tcObjectReader::target<tcGuiMeter>(x);
  if (!self) return;
  if (self->pending_ch_ >= 0 && self->pending_ch_ < self->channels()) {
    self->bars_[static_cast<size_t>(self->pending_ch_)] = self->pending_;
  }
}

void tcGuiMeter::set_barpos(tcXmlData& x, const char* value, int arg) {
  tcGuiMeter* self = tcObjectReader::target<tcGuiMeter>(x);
  if (!self) return;
  const int v = tcObjectReader::of(x).expression(value);
  switch (arg) {
    case kCh:
      self->pending_ch_ = v;
      break;
    case kX:
      self->pending_.x = v;
      break;
    case kY:
      self->pending_.y = v;
      break;
    case kOvrX:
      self->pending_.ovr_x = v;
      break;
    default:
      self->pending_.ovr_y = v;
      break;
  }
}

void tcGuiMeter::set_type(tcXmlData& x, const char* value, int arg) {
  tcGuiMeter* self = tcObjectReader::target<tcGuiMeter>(x);
  if (!self) return;
  switch (arg) {
    case kStyle:
      self->style_ = style_of(value);
      break;
    case kClip:
      self->clip_ = tcObjectReader::flag(value);
      break;
    case kChannels: {
      int n = tcObjectReader::integer(value);
      if (n > g_max_chans) {
        tcObjectReader::of(x).log_message(
            tcLog::kError,
            "ERROR: Maximimum meter channels exceeded, use tcGuiMeter::set_max_chans()");
        n = g_max_chans;
      }
      self->bars_.resize(static_cast<size_t>(n > 0 ? n : 0));
      break;
    }
    case kVertical:
      self->vertical_ = tcObjectReader::flag(value);
      break;
    default:
      self->ticks_ = tcObjectReader::flag(value);
      break;
  }
}
