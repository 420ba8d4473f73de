#pragma once
// A filled or outlined rounded rectangle, optionally with a vertical or
// horizontal gradient or an image; takes no mouse.
#include "skin/tcGuiObject.h"

class tcGuiFrame : public tcGuiObject {
 public:
  tcGuiFrame(tcBench* bench, int id, const tcString& name);
  ~tcGuiFrame() override;

  bool accepts_left() const override { return false; }

  uint32_t colour() const { return colour_; }
  bool fill() const { return fill_; }
  int radius() const { return radius_; }
  int border() const { return border_; }
  const tcString& vgrad() const { return vgrad_; }
  const tcString& hgrad() const { return hgrad_; }
  const tcGuiImage* image() const { return image_; }

  static const tcXmlData::AttrRow kAttrs[];

 private:
  static void set_attr(tcXmlData& x, const char* value, int arg);

  uint32_t colour_ = 0xFF000000u;
  bool fill_ = false;
  int radius_ = 0;
  int border_ = 1;
  tcString vgrad_;  // stop texts of the named gradients
  tcString hgrad_;
  const tcGuiImage* image_ = nullptr;
};
