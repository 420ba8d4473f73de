#pragma once
// An integer value in [minimum, maximum] shown by a knob image and an
// optional LED ring of one of seven styles.
#include "skin/objects/tcGuiObject.h"

class tcGuiKnob : public tcGuiObject {
 public:
  enum Style { kSimple, kRingDot, kRingBar, kRingRebar, kRingSpread, kRingQ, kRingPan };

  tcGuiKnob(tcBench* bench, int id, const tcString& name);
  ~tcGuiKnob() override;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  bool left_press(int x, int y) override;
  void release(int x, int y) override;
  void drag(int x, int y, int modifiers) override;
  void wheel(int step, int modifiers) override;
  bool accepts_wheel() const override { return true; }
  bool accepts_hover() const override { return true; }
  void paint(QPainter& painter) override;

  // Adds a signed amount, clamped to the range; a change repaints and is reported.
  void step(int amount);
  // From the owner: clamped, shown, not reported.
  void set_value(int value);
  void set_range(int minimum, int maximum);
  void set_style(int style);
  // Bit b set: LED b (2 to 22) is lit.
  uint32_t ring_mask() const { return ring_; }
  static uint32_t ring_of(int style, int value, int minimum, int maximum);

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
  void update_ring() { ring_ = ring_of(style_, value_, minimum_, maximum_); }

  int minimum_ = 0;
  int maximum_ = 255;
  int style_ = kSimple;
  const tcGuiImage* knob_image_ = nullptr;
  const tcGuiImage* led_image_ = nullptr;
  uint32_t ring_ = 0;
};
