#pragma once
// A text or number display with normal, warning and error colours, optional
// transparent backgrounds, marquee scrolling and entry by typing.
#include "skin/tcGuiEditModes.h"
#include "skin/tcGuiObject.h"

class tcGuiDisplay : public tcGuiObject, public tcGuiEditModes {
 public:
  enum Colour { kFg, kBg, kFgError, kBgError, kFgWarn, kBgWarn };
  static constexpr int kColours = kBgWarn + 1;

  tcGuiDisplay(tcBench* bench, int id, const tcString& name);
  ~tcGuiDisplay() override;

  bool accepts_left() const override { return false; }
  bool accepts_double_click() const override { return true; }

  int maxchars() const { return maxchars_; }
  int pad() const { return pad_; }
  bool marquee() const { return marquee_; }
  uint32_t colour(int which) const { return colours_[which]; }
  // Only the background colours can be transparent.
  bool transparent(int which) const { return transparent_[which]; }

  static const tcXmlData::AttrRow kTextAttrs[];
  static const tcXmlData::AttrRow kColourAttrs[];
  static const tcXmlData::AttrRow kModeAttrs[];

 private:
  static void set_text_extra(tcXmlData& x, const char* value, int arg);
  static void set_colour(tcXmlData& x, const char* value, int arg);

  int maxchars_ = 0;
  int pad_ = 0;
  bool marquee_ = false;
  uint32_t colours_[kColours] = {0xFF000000u, 0xFFFFFFFFu, 0xFFFF0000u,
                                 0xFFFFFFFFu, 0xFFFFFF00u, 0xFF000000u};
  bool transparent_[kColours] = {};
};
