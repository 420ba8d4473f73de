#pragma once
// The images of the default skin, each drawn by a function of its own, and
// the writer that saves them as PNG files.
#include <QDir>
#include <QImage>
#include <QString>
#include <vector>

class tcSkinArt {
 public:
  struct Picture {
    QString file;
    QImage image;
  };

  // Every image of the skin, in a fixed order.
  static std::vector<Picture> all();
  // Saves all() into dir; 0, or -1 with *error naming the file that failed.
  static int write_all(const QDir& dir, QString* error);
};
