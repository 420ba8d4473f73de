#include "tools/skingen/tcSkinArt.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// The panel face: a dark neutral with a soft vertical fall.
QImage background() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient face(0, 0, 0, kHeight);
  face.setColorAt(0.0, QColor(0x1c, 0x20, 0x26));
  face.setColorAt(1.0, QColor(0x16, 0x19, 0x1d));
  p.fillRect(image.rect(), face);
  return image;
}

}  // namespace

std::vector<tcSkinArt::Picture> tcSkinArt::all() {
  std::vector<Picture> pictures;
  pictures.push_back({"bkgrnd.png", background()});
  return pictures;
}

int tcSkinArt::write_all(const QDir& dir, QString* error) {
  for (const Picture& picture : all()) {
    const QString path = dir.filePath(picture.file);
    if (!picture.image.save(path, "PNG")) {
      *error = QString("cannot write \"%1\"").arg(path);
      return -1;
    }
  }
  return 0;
}
