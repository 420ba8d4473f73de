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

void tcAnalysisFFT::column_tops(const uint8_t* block, int w, int h, const tcAnalysisView& scale,
                                int space, std::vector<int>* tops) {
  tops->assign(static_cast<size_t>(std::max(0, w)), tcColumnPlot::kNone);
  if (space <= 0) return;
  const QRect local(0, 0, w, h);
  for (int i = 0; i < w; i += space)
    (*tops)[static_cast<size_t>(i)] =
        scale.y_of_db(tcSpectrum::bin_db(block[column_byte(i, w)]), local);
}

void tcAnalysisFFT::paint_data(QPainter& p, const QRect& plot) {
  if (frames() == 0) {
    p.drawImage(plot.topLeft(), ground());
    return;
  }
  // The columns are rendered once per new frame; a repaint only blits them.
  if (frame_.renew(frames(), ground_version(), plot.size())) {
    column_tops(data_.data(), plot.width(), plot.height(), *this, settings_.space, &frame_.tops);
    tcColumnPlot::render(frame_.image, ground(), frame_.tops, gradient_strip(plot.height()));
  }
  p.drawImage(plot.topLeft(), frame_.image);
  if (!settings_.oline) return;
  QPolygon line(plot.width());
  for (int i = 0; i < plot.width(); ++i)
    line.setPoint(
        i, plot.left() + i,
        y_of_db(tcSpectrum::bin_db(data_[static_cast<size_t>(column_byte(i, plot.width()))]),
                plot));
  p.setPen(QColor::fromRgba(kOutline));
  p.drawPolyline(line);
}
