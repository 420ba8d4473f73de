#include "metering/analysis/tcAnalysisSpecDyn.h"

#include <QPainter>

#include "metering/meters/tcGradient.h"

namespace {

using K = tcViewSettings::Key;
constexpr unsigned kKeys = K::kTopRange | K::kHGrid | K::kBarColour;
constexpr QRgb kAverageMark = 0xFFF0F0F0;

}  // namespace

tcAnalysisSpecDyn::tcAnalysisSpecDyn(tcAnalysisConfig& config, tcAnalysisOptions& options)
    : tcAnalysisBandView(kSpecDyn, kSection, kKeys, config, options) {
  read_settings();
}

std::vector<tcAnalysisView::Field> tcAnalysisSpecDyn::fields() const {
  using F = Field;
  return {{F::kInt, "dBFS Top:", &tcViewSettings::db_top},
          {F::kInt, "db Range:", &tcViewSettings::db_range},
          {F::kColour, "Bar Color:", nullptr, &tcViewSettings::bar_color},
          {F::kCheck, "H.Grid Lines", nullptr, nullptr, &tcViewSettings::h_grid}};
}

tcViewSettings tcAnalysisSpecDyn::defaults() const {
  tcViewSettings d = tcAnalysisView::defaults();
  d.bar_color = QStringLiteral("00AAFF");
  return d;
}

void tcAnalysisSpecDyn::paint_data(QPainter& p, const QRect& plot) {
  if (dynamics_.empty()) return;
  const QColor bar = QColor::fromRgba(tcGradient::colour_or(settings_.bar_color, 0xFF00AAFF));
  for (int b = 0; b < tcSpectrum::kBands; ++b) {
    const QRect r = band_rect(b, plot);
    const int top = y_of_db(dynamics_.high(b), plot);
    const int bottom = y_of_db(dynamics_.low(b), plot);
    p.fillRect(QRect(r.left(), top, r.width(), std::max(1, bottom - top + 1)), bar);
    p.fillRect(QRect(r.left(), y_of_db(dynamics_.average(b), plot) - 1, r.width(), 2),
               QColor::fromRgba(kAverageMark));
  }
}
