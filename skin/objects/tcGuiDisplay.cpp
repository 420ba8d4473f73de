#include "skin/objects/tcGuiDisplay.h"

#include <QFontMetrics>
#include <QPainter>

#include "skin/objects/tcObjectReader.h"

namespace {
// Arguments of the shared text setter (see tcGuiObject::kTextAttrs).
enum TextArg { kTextX = 1, kTextY = 2, kTextFont = 4, kTextAlign = 5 };
enum ExtraArg { kMaxChars, kPad, kMarquee };
}  // namespace

const tcXmlData::AttrRow tcGuiDisplay::kTextAttrs[] = {
    {"font", kTextFont, &tcGuiObject::set_text_attr},
    {"x", kTextX, &tcGuiObject::set_text_attr},
    {"y", kTextY, &tcGuiObject::set_text_attr},
    {"align", kTextAlign, &tcGuiObject::set_text_attr},
    {"maxchars", kMaxChars, &tcGuiDisplay::set_text_extra},
    {"pad", kPad, &tcGuiDisplay::set_text_extra},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiDisplay::kColourAttrs[] = {
    {"fg", kFg, &tcGuiDisplay::set_colour},
    {"bg", kBg, &tcGuiDisplay::set_colour},
    {"fg_error", kFgError, &tcGuiDisplay::set_colour},
    {"bg_error", kBgError, &tcGuiDisplay::set_colour},
    {"fg_warn", kFgWarn, &tcGuiDisplay::set_colour},
    {"bg_warn", kBgWarn, &tcGuiDisplay::set_colour},
    {nullptr, 0, nullptr},
};

const tcXmlData::AttrRow tcGuiDisplay::kModeAttrs[] = {
    {"marquee", kMarquee, &tcGuiDisplay::set_text_extra},
    {"editable", tcGuiEditModes::kEditable, &tcGuiEditModes::set_mode},
    {"units", tcGuiEditModes::kUnits, &tcGuiEditModes::set_mode},
    {"dlgregexp", tcGuiEditModes::kDlgRegExp, &tcGuiEditModes::set_mode},
    {"dclickable", tcGuiEditModes::kDClickable, &tcGuiEditModes::set_mode},
    {nullptr, 0, nullptr},
};

tcGuiDisplay::tcGuiDisplay(tcBench* bench, int id, const tcString& name)
    : tcGuiObject(bench, kDisplay, id, name) {}

tcGuiDisplay::~tcGuiDisplay() = default;

std::unique_ptr<tcGuiObject> tcGuiDisplay::clone(int id, const tcString& name) const {
  return clone_as<tcGuiDisplay>(id, name);
}

void tcGuiDisplay::finish() {
  text_colour_ = colours_[kFg];
  tcGuiObject::finish();
}

void tcGuiDisplay::set_text(const tcString& text) {
  tcString shown = text;
  // A scrolling display shows the whole text; others cut it to maxchars.
  if (!marquee_ && maxchars_ > 0 && shown.length() > maxchars_) shown.truncate(maxchars_);
  if (pad_ > shown.length()) {
    tcString padded;
    for (int i = shown.length(); i < pad_ && i < 256; ++i) padded.append(' ');
    padded += shown;
    shown = padded;
  }
  if (shown == text_) return;
  marquee_offset_ = 0;
  tcGuiObject::set_text(shown);
}

void tcGuiDisplay::layout_text() {
  tcGuiObject::layout_text();
  const QFontMetrics metrics(font_);
  text_width_ = text_.empty() ? 0 : metrics.horizontalAdvance(text_.toQString());
  gap_width_ = metrics.horizontalAdvance(QString::fromLatin1(kMarqueeGap));
  gap_ = QStaticText(QString::fromLatin1(kMarqueeGap));
  gap_.prepare(QTransform(), font_);
  // The display shows its own rectangle only.
  text_area_ = QRect();
}

void tcGuiDisplay::set_marquee(bool on) {
  if (on == marquee_) return;
  marquee_ = on;
  marquee_offset_ = 0;
  repaint();
}

void tcGuiDisplay::set_alert(int alert) {
  const int a = alert == kWarning || alert == kError ? alert : kNormal;
  if (a == alert_) return;
  alert_ = a;
  text_colour_ = colours_[a == kError ? kFgError : (a == kWarning ? kFgWarn : kFg)];
  repaint();
}

void tcGuiDisplay::double_click(int, int) {
  edit_on_double_click(*this, text_);
}

void tcGuiDisplay::animate() {
  if (!scrolling()) return;
  // Two pixels a tick: 20 pixels a second reads comfortably.
  marquee_offset_ = (marquee_offset_ + 2) % (text_width_ + gap_width_);
  repaint();
}

void tcGuiDisplay::paint(QPainter& painter) {
  paint_backdrop(painter);
  const int bg = alert_ == kError ? kBgError : (alert_ == kWarning ? kBgWarn : kBg);
  if (!transparent_[bg]) painter.fillRect(area_, QColor::fromRgba(colours_[bg]));
  if (scrolling() && !lines_.empty()) {
    painter.save();
    painter.setClipRect(area_, Qt::IntersectClip);
    painter.setFont(font_);
    painter.setPen(QColor::fromRgba(text_colour_));
    const double y = y_ + lines_.front().pos.y();
    double x = x_ + text_dx_ - marquee_offset_;
    // The text, the gap and the text again fill the width as it scrolls.
    while (x < x_ + w_) {
      painter.drawStaticText(QPointF(x, y), lines_.front().text);
      painter.drawStaticText(QPointF(x + text_width_, y), gap_);
      x += text_width_ + gap_width_;
    }
    painter.restore();
  } else {
    painter.save();
    painter.setClipRect(area_, Qt::IntersectClip);
    draw_text(painter);
    painter.restore();
  }
  draw_focus(painter);
  paint_attachments(painter);
}

void tcGuiDisplay::set_text_extra(tcXmlData& x, const char* value, int arg) {
  tcGuiDisplay* self = tcObjectReader::target<tcGuiDisplay>(x);
  if (!self) return;
  switch (arg) {
    case kMaxChars:
      self->maxchars_ = tcObjectReader::integer(value);
      break;
    case kPad:
      self->pad_ = tcObjectReader::integer(value);
      break;
    default:
      self->marquee_ = tcObjectReader::flag(value);
      break;
  }
}

void tcGuiDisplay::set_colour(tcXmlData& x, const char* value, int arg) {
  tcGuiDisplay* self = tcObjectReader::target<tcGuiDisplay>(x);
  if (!self) return;
  bool transparent = false;
  self->colours_[arg] = tcObjectReader::of(x).colour(value, &transparent);
  if (arg == kBg || arg == kBgError || arg == kBgWarn) self->transparent_[arg] = transparent;
}
