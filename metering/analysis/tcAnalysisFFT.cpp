#include "metering/analysis/tcAnalysisFFT.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using K = tcViewSettings::Key;
constexpr unsigned kKeys =
    K::kTopRange | K::kHGrid | K::kVGrid | K::kGAxis | K::kGradient | K::kSpace | K::kOline;
constexpr QRgb kOutline = 0xFFE8F0F0;

}  // namespace

tcAnalysisFFT::tcAnalysisFFT(tcAnalysisConfig& config)
    : tcAnalysisView(kFft, kSection, kKeys, config) {
  read_settings();
}

std::vector<tcAnalysisView::Field> tcAnalysisFFT::fields() const {
  using F = Field;
  return {{F::kInt, "dBFS Top:", &tcViewSettings::db_top},
          {F::kInt, "db Range:", &tcViewSettings::db_range},
          {F::kInt, "Fill Spacing (0=no fill):", &tcViewSettings::space},
          {F::kText, "Gradient Stops:", nullptr, &tcViewSettings::gradient},
          {F::kCheck, "H.Grid Lines", nullptr, nullptr, &tcViewSettings::h_grid},
          {F::kCheck, "V.Grid Lines", nullptr, nullptr, &tcViewSettings::v_grid},
          {F::kCheck, "Colored Y Axis", nullptr, nullptr, &tcViewSettings::gaxis},
          {F::kCheck, "Outline", nullptr, nullptr, &tcViewSettings::oline}};
}

tcViewSettings tcAnalysisFFT::defaults() const {
  tcViewSettings d = tcAnalysisView::defaults();
  d.space = 1;
  d.oline = false;
  return d;
}

int tcAnalysisFFT::column_byte(int i, int w) {
  if (w <= 0) return 0;
  const long b = std::lround(static_cast<double>(i) * tcSpectrum::kBlockSize / w);
  return static_cast<int>(std::clamp(b, 0L, static_cast<long>(tcSpectrum::kBlockSize - 1)));
}

void tcAnalysisFFT::take(const uint8_t* block) {
  std::memcpy(data_.data(), block, data_.size());
}

void tcAnalysisFFT::clear() {
  data_.fill(0);
}

double tcAnalysisFFT::band_x(int band, const QRect& plot) const {
  return plot.left() + tcSpectrum::band_centre(band) * plot.width();
}

void tcAnalysisFFT::draw_columns(QPainter& p, const QRect& plot, const uint8_t* block,
                                 const tcAnalysisView& scale, const QImage* strip, int space,
                                 QRgb outline) {
  const int w = plot.width();
  const int base = plot.bottom() + 1;
  QPolygon line;
  if (outline) line.reserve(w);
  for (int i = 0; i < w; ++i) {
    const int y = scale.y_of_db(tcSpectrum::bin_db(block[column_byte(i, w)]), plot);
    const int x = plot.left() + i;
    if (space > 0 && i % space == 0 && y < base) {
      if (strip)
        p.drawImage(QPoint(x, y), *strip, QRect(0, y - plot.top(), 1, base - y));
      else
        p.drawLine(x, y, x, base - 1);
    }
    if (outline) line << QPoint(x, y);
  }
  if (outline) {
    p.setPen(QColor::fromRgba(outline));
    p.drawPolyline(line);
  }
}

void tcAnalysisFFT::paint_data(QPainter& p, const QRect& plot) {
  if (frames() == 0) return;
  draw_columns(p, plot, data_.data(), *this, &gradient_strip(plot.height()), settings_.space,
               settings_.oline ? kOutline : 0);
}
