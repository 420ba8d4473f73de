#pragma once
// A filled or outlined rounded rectangle, optionally with a vertical or
// horizontal gradient or an image; takes no mouse.
#include <QGradient>
#include <QImage>

#include "skin/objects/tcGuiObject.h"

class tcGuiFrame : public tcGuiObject {
 public:
  tcGuiFrame(tcBench* bench, int id, const tcString& name);
  ~tcGuiFrame() override;

  std::unique_ptr<tcGuiObject> clone(int id, const tcString& name) const override;
  void finish() override;
  bool accepts_left() const override { return false; }
  void paint(QPainter& painter) override;
  // Stops of a gradient text ("pos,RRGGBB;..."); malformed entries are skipped.
  static QGradientStops stops_of(const tcString& text);

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
  void render_look() const;

  uint32_t colour_ = 0xFF000000u;
  bool fill_ = false;
  int radius_ = 0;
  int border_ = 1;
  tcString vgrad_;  // stop texts of the named gradients
  tcString hgrad_;
  const tcGuiImage* image_ = nullptr;
  QGradientStops stops_;
  bool vertical_gradient_ = true;
  mutable QImage look_;  // the drawn frame, made on first paint
  mutable QSize look_size_;
};
