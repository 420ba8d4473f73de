#pragma once
// A picture of the skin directory cut into equal sections along its direction;
// other objects draw sections of it.
#include <QImage>
#include <vector>

#include "skin/objects/tcGuiObject.h"

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
  // Draws section i with its top-left corner at (x, y); a section outside the
  // picture draws nothing. The sections are cut from the picture once.
  void draw_section(QPainter& painter, int i, int x, int y) const;
  // The rectangle r (section coordinates) of section i, whose top-left corner
  // is placed at (x, y).
  void draw_section_part(QPainter& painter, int i, const QRect& r, int x, int y) const;
  const QImage* section(int i) const;

  void paint(QPainter& painter) override;

  static const tcXmlData::AttrRow kAttrs[];

 private:
  static void set_attr(tcXmlData& x, const char* value, int arg);
  void load(const QString& path);
  void cut() const;

  tcString file_;
  QImage picture_;
  int sections_ = 1;
  uint32_t trans_ = 0;
  bool has_trans_ = false;
  bool vertical_ = true;
  mutable std::vector<QImage> cut_;  // the sections, premultiplied for fast drawing
  mutable bool cut_done_ = false;
};
