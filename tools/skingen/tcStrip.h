#pragma once
// A strip of equal image sections, as the panel objects cut them: stacked top
// to bottom, the loader's default direction.
#include <QImage>
#include <QPainter>
#include <functional>

class tcStrip {
 public:
  // Paints one section with the painter at the section's origin.
  using Painter = std::function<void(QPainter& p, int section)>;

  static QImage make(int w, int h, int sections, const Painter& paint);
};
