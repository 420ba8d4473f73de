#include "metering/analysis/tcColumnPlot.h"

#include <algorithm>
#include <cstring>

void tcColumnPlot::render(QImage& out, const QImage& ground, const std::vector<int>& tops,
                          const QImage& strip, const std::vector<int>& ghost_tops, QRgb ghost) {
  const int w = ground.width();
  const int h = ground.height();
  if (out.size() != ground.size() || out.format() != QImage::Format_RGB32)
    out = QImage(ground.size(), QImage::Format_RGB32);
  const QImage g = ground.format() == QImage::Format_RGB32
                       ? ground
                       : ground.convertToFormat(QImage::Format_RGB32);
  const int columns = std::min(w, static_cast<int>(tops.size()));
  const bool ghosts = static_cast<int>(ghost_tops.size()) >= columns && ghost != 0;
  // The highest top tells where lit rows begin; above it the ground is copied whole.
  int first = h;
  for (int x = 0; x < columns; ++x) {
    first = std::min(first, tops[static_cast<size_t>(x)]);
    if (ghosts) first = std::min(first, ghost_tops[static_cast<size_t>(x)]);
  }
  first = std::clamp(first, 0, h);
  for (int y = 0; y < first; ++y)
    std::memcpy(out.scanLine(y), g.constScanLine(y), static_cast<size_t>(w) * 4);
  for (int y = first; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    const auto* base = reinterpret_cast<const QRgb*>(g.constScanLine(y));
    const QRgb lit = strip.pixel(0, std::min(y, strip.height() - 1));
    const int* top = tops.data();
    if (ghosts) {
      const int* ghost_top = ghost_tops.data();
      for (int x = 0; x < columns; ++x)
        line[x] = y >= top[x] ? lit : y >= ghost_top[x] ? ghost : base[x];
    } else {
      // Branch-free, so the compiler can do several columns at once.
      for (int x = 0; x < columns; ++x) line[x] = y >= top[x] ? lit : base[x];
    }
    for (int x = columns; x < w; ++x) line[x] = base[x];
  }
}
