#include "metering/analysis/tcAnalysisEField.h"

#include <QPainter>

#include "metering/meters/tcGradient.h"

namespace {

using K = tcViewSettings::Key;
constexpr unsigned kKeys =
    K::kTopRange | K::kHGrid | K::kBarColour | K::kPeakColours | K::kPeakShow;
constexpr int kMarker = 3;

}  // namespace

tcAnalysisEField::tcAnalysisEField(tcAnalysisConfig& config, tcAnalysisOptions& options)
    : tcAnalysisBandView(kEField, kSection, kKeys, config, options) {
  read_settings();
}

std::vector<tcAnalysisView::Field> tcAnalysisEField::fields() const {
  using F = Field;
  return {{F::kInt, "dBFS Top:", &tcViewSettings::db_top},
          {F::kInt, "db Range:", &tcViewSettings::db_range},
          {F::kColour, "Bar Color:", nullptr, &tcViewSettings::bar_color},
          {F::kColour, "Lo Color:", nullptr, &tcViewSettings::lpk_color},
          {F::kColour, "Hi Color:", nullptr, &tcViewSettings::hpk_color},
          {F::kCheck, "H.Grid Lines", nullptr, nullptr, &tcViewSettings::h_grid},
          {F::kCheck, "Show Lo Pk", nullptr, nullptr, &tcViewSettings::lopkhld},
          {F::kCheck, "Show Hi Pk", nullptr, nullptr, &tcViewSettings::hipkhld}};
}

tcViewSettings tcAnalysisEField::defaults() const {
  tcViewSettings d = tcAnalysisView::defaults();
  d.bar_color = QStringLiteral("0000FF");
  d.lpk_color = QStringLiteral("00C0FF");
  d.hpk_color = QStringLiteral("FF3333");
  d.hipkhld = true;
  d.lopkhld = false;
  return d;
}

void tcAnalysisEField::paint_data(QPainter& p, const QRect& plot) {
  if (dynamics_.empty()) return;
  const QColor bar = QColor::fromRgba(tcGradient::colour_or(settings_.bar_color, 0xFF0000FF));
  const QColor hi = QColor::fromRgba(tcGradient::colour_or(settings_.hpk_color, 0xFFFF3333));
  const QColor lo = QColor::fromRgba(tcGradient::colour_or(settings_.lpk_color, 0xFF00C0FF));
  const bool show_hi = peak_hold() && settings_.hipkhld;
  const bool show_lo = peak_hold() && settings_.lopkhld;
  const int base = plot.bottom() + 1;
  for (int b = 0; b < tcSpectrum::kBands; ++b) {
    const QRect r = band_rect(b, plot);
    const int y = y_of_db(dynamics_.average(b), plot);
    if (y < base) p.fillRect(QRect(r.left(), y, r.width(), base - y), bar);
    if (show_hi)
      p.fillRect(QRect(r.left(), y_of_db(dynamics_.high(b), plot) - 1, r.width(), kMarker), hi);
    if (show_lo)
      p.fillRect(QRect(r.left(), y_of_db(dynamics_.low(b), plot) - 1, r.width(), kMarker), lo);
  }
}
