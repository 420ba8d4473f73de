#pragma once
// An integer value moved by dragging a thumb image along a rail image,
// vertical or horizontal.
#include "skin/objects/tcGuiObject.h"

class tcGuiSlider : public tcGuiObject {
 public:
  tcGuiSlider(tcBench* bench, int id, const tcString& name);
  ~tcGuiSlider() override;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  bool left_press(int x, int y) override;
  void release(int x, int y) override;
  void drag(int x, int y, int modifiers) override;
  void wheel(int step, int modifiers) override;
  bool accepts_wheel() const override { return true; }
  bool accepts_hover() const override { return true; }
  void set_width(int w) override;
  void set_height(int h) override;
  void paint(QPainter& painter) override;

  // From the owner: clamped, the thumb follows, not reported.
  void set_value(int value);
  void set_range(int minimum, int maximum);
  // Thumb centre in pixels from the object's left (horizontal) or top (vertical).
  int thumb_pos() const { return thumb_pos_; }
  int thumb_of(int value) const;
  int value_of(int thumb) const;

  bool horizontal() const { return horizontal_; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  int thumb_width() const { return thumb_w_; }
  int thumb_height() const { return thumb_h_; }
  const tcGuiImage* rail() const { return rail_; }
  const tcGuiImage* thumb() const { return thumb_; }

  static const tcXmlData::AttrRow kAttrs[];
  static const tcXmlData::AttrRow kBitmapAttrs[];

 protected:
  void set_image(int arg, tcGuiImage* image) override;
  void copy_look(const tcGuiObject& source) override;

 private:
  static void set_direction(tcXmlData& x, const char* value, int arg);
  // Moves the thumb by d pixels towards the maximum; the value follows.
  void move_thumb(int d);
  // Moves the value by one step in the direction of d; the thumb follows.
  void nudge(int d);
  void take(int value, int thumb);
  int clamp(long long v) const;
  double raw_value_of(int thumb) const;

  int minimum_ = 0;
  int maximum_ = 255;
  bool horizontal_ = false;
  int thumb_w_ = 0;
  int thumb_h_ = 0;
  int thumb_pos_ = 0;
  const tcGuiImage* rail_ = nullptr;
  const tcGuiImage* thumb_ = nullptr;
};
