#include "tools/skingen/tcStrip.h"

QImage tcStrip::make(int w, int h, int sections, const Painter& paint) {
  QImage image(w, h * sections, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < sections; ++i) {
    p.save();
    p.translate(0, h * i);
    p.setClipRect(0, 0, w, h);
    paint(p, i);
    p.restore();
  }
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}
