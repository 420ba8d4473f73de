#pragma once
// An integer value moved by dragging a thumb image along a rail image,
// vertical or horizontal.
#include "skin/tcGuiObject.h"

class tcGuiSlider : public tcGuiObject {
 public:
  tcGuiSlider(tcBench* bench, int id, const tcString& name);
  ~tcGuiSlider() override;

  void finish() override;
  bool accepts_wheel() const override { return true; }
  bool accepts_hover() const override { return true; }

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

  int minimum_ = 0;
  int maximum_ = 255;
  bool horizontal_ = false;
  int thumb_w_ = 0;
  int thumb_h_ = 0;
  const tcGuiImage* rail_ = nullptr;
  const tcGuiImage* thumb_ = nullptr;
};
