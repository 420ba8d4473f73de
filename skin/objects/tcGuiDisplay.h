#pragma once
// A text or number display with normal, warning and error colours, optional
// transparent backgrounds, marquee scrolling and entry by typing.
#include "skin/objects/tcGuiEditModes.h"
#include "skin/objects/tcGuiObject.h"

class tcGuiDisplay : public tcGuiObject, public tcGuiEditModes {
 public:
  enum Colour { kFg, kBg, kFgError, kBgError, kFgWarn, kBgWarn };
  static constexpr int kColours = kBgWarn + 1;

  tcGuiDisplay(tcBench* bench, int id, const tcString& name);
  ~tcGuiDisplay() override;

  // Colour sets of set_alert().
  enum Alert { kNormal, kWarning, kError };
  // Between the repetitions of a scrolling text.
  static constexpr const char* kMarqueeGap = "  ...  ";

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  void set_text(const tcString& text) override;
  bool accepts_left() const override { return false; }
  bool accepts_double_click() const override { return true; }
  void double_click(int x, int y) override;
  void animate() override;
  void paint(QPainter& painter) override;

  void set_alert(int alert);
  int alert() const { return alert_; }
  // Whether the text is wider than the display and scrolls.
  bool scrolling() const { return marquee_ && text_width_ > w_; }
  int marquee_offset() const { return marquee_offset_; }

  int maxchars() const { return maxchars_; }
  int pad() const { return pad_; }
  bool marquee() const { return marquee_; }
  // From the owner: a long text scrolls instead of being cut.
  void set_marquee(bool on);
  uint32_t colour(int which) const { return colours_[which]; }
  // Only the background colours can be transparent.
  bool transparent(int which) const { return transparent_[which]; }

  static const tcXmlData::AttrRow kTextAttrs[];
  static const tcXmlData::AttrRow kColourAttrs[];
  static const tcXmlData::AttrRow kModeAttrs[];

 private:
  static void set_text_extra(tcXmlData& x, const char* value, int arg);
  static void set_colour(tcXmlData& x, const char* value, int arg);
  void layout_text() override;

  int maxchars_ = 0;
  int pad_ = 0;
  bool marquee_ = false;
  uint32_t colours_[kColours] = {0xFF000000u, 0xFFFFFFFFu, 0xFFFF0000u,
                                 0xFFFFFFFFu, 0xFFFFFF00u, 0xFF000000u};
  bool transparent_[kColours] = {};
  int alert_ = kNormal;
  int text_width_ = 0;
  int gap_width_ = 0;
  int marquee_offset_ = 0;
  QStaticText gap_;
};
