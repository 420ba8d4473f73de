#pragma once
// A picture of the skin directory cut into equal sections along its direction;
// other objects draw sections of it.
#include <QImage>

#include "skin/tcGuiObject.h"

class tcGuiImage : public tcGuiObject {
 public:
  tcGuiImage(tcBench* bench, int id, const tcString& name);
  ~tcGuiImage() override;

  void finish() override;
  bool accepts_left() const override { return false; }

  const QImage& picture() const { return picture_; }
  const tcString& file() const { return file_; }
  int sections() const { return sections_; }
  bool vertical() const { return vertical_; }
  int section_width() const;
  int section_height() const;
  // Section i (0 upward along the direction) within the picture.
  QRect section_rect(int i) const;

  static const tcXmlData::AttrRow kAttrs[];

 private:
  static void set_attr(tcXmlData& x, const char* value, int arg);
  void load(const QString& path);

  tcString file_;
  QImage picture_;
  int sections_ = 1;
  uint32_t trans_ = 0;
  bool has_trans_ = false;
  bool vertical_ = true;
};
