#pragma once
// An integer value in [minimum, maximum] shown by a knob image and an
// optional LED ring of one of seven styles.
#include "skin/tcGuiObject.h"

class tcGuiKnob : public tcGuiObject {
 public:
  enum Style { kSimple, kRingDot, kRingBar, kRingRebar, kRingSpread, kRingQ, kRingPan };

  tcGuiKnob(tcBench* bench, int id, const tcString& name);
  ~tcGuiKnob() override;

  void finish() override;
  bool accepts_wheel() const override { return true; }
  bool accepts_hover() const override { return true; }

  int style() const { return style_; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  const tcGuiImage* knob_image() const { return knob_image_; }
  const tcGuiImage* led_image() const { return led_image_; }
  // The style of a `type` text; an unknown text is SIMPLE.
  static int style_of(const char* text);

  static const tcXmlData::AttrRow kAttrs[];
  static const tcXmlData::AttrRow kBitmapAttrs[];

 protected:
  void set_image(int arg, tcGuiImage* image) override;
  void copy_look(const tcGuiObject& source) override;

 private:
  static void set_type(tcXmlData& x, const char* value, int arg);

  int minimum_ = 0;
  int maximum_ = 255;
  int style_ = kSimple;
  const tcGuiImage* knob_image_ = nullptr;
  const tcGuiImage* led_image_ = nullptr;
};
