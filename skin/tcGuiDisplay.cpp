#include "skin/tcGuiDisplay.h"

#include "skin/tcBenchMaster.h"

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

void tcGuiDisplay::set_text_extra(tcXmlData& x, const char* value, int arg) {
  tcGuiDisplay* self = tcBenchMaster::target<tcGuiDisplay>(x);
  if (!self) return;
  switch (arg) {
    case kMaxChars:
      self->maxchars_ = tcBenchMaster::integer(value);
      break;
    case kPad:
      self->pad_ = tcBenchMaster::integer(value);
      break;
    default:
      self->marquee_ = tcBenchMaster::flag(value);
      break;
  }
}

void tcGuiDisplay::set_colour(tcXmlData& x, const char* value, int arg) {
  tcGuiDisplay* self = tcBenchMaster::target<tcGuiDisplay>(x);
  if (!self) return;
  bool transparent = false;
  self->colours_[arg] = tcBenchMaster::of(x).colour(value, &transparent);
  if (arg == kBg || arg == kBgError || arg == kBgWarn) self->transparent_[arg] = transparent;
}
