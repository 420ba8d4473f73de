#include "metering/analysis/tcAnalysisOScope.h"

#include <QMessageBox>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <cstring>

namespace {

using K = tcViewSettings::Key;
constexpr unsigned kKeys = K::kHGrid | K::kVGrid;
constexpr QRgb kTrace = 0xFF40FF70;
constexpr QRgb kZeroLine = 0xFF3C4650;
// Grid levels, dB below full scale, above and below the zero line.
constexpr int kLevelsDb[] = {0, -6, -12};
constexpr int kTimeDivisions = 10;

}  // namespace

tcAnalysisOScope::tcAnalysisOScope(tcAnalysisConfig& config)
    : tcAnalysisView(kOScope, kSection, kKeys, config) {
  read_settings();
}

bool tcAnalysisOScope::settings_dialog(QWidget* parent) {
  QMessageBox::information(parent, QStringLiteral("Setup"),
                           QStringLiteral("No adjustable settings"));
  return false;
}

int tcAnalysisOScope::y_of_sample(uint8_t sample, const QRect& plot) {
  const double half = (plot.height() - 1) / 2.0;
  const double centre = plot.top() + half;
  return static_cast<int>(std::lround(centre - (sample - kZero) / double(kZero) * half));
}

void tcAnalysisOScope::take(const uint8_t* block) {
  std::memcpy(data_.data(), block, data_.size());
}

void tcAnalysisOScope::clear() {
  data_.fill(kZero);
}

void tcAnalysisOScope::paint_data(QPainter& p, const QRect& plot) {
  if (frames() == 0) return;
  QPolygon trace(kSamples);
  const double step = (plot.width() - 1) / double(kSamples - 1);
  for (int n = 0; n < kSamples; ++n)
    trace.setPoint(n, plot.left() + static_cast<int>(n * step + 0.5),
                   y_of_sample(data_[static_cast<size_t>(n + 1)], plot));
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor::fromRgba(kTrace), 1.0));
  p.drawPolyline(trace);
}

void tcAnalysisOScope::draw_backdrop(QPainter& p, const QRect& area, const QRect& plot, int chain) {
  draw_frame(p, area, plot, chain);
  p.setFont(QFont(QStringLiteral("Arial"), 8));
  const double half = (plot.height() - 1) / 2.0;
  const double centre = plot.top() + half;
  for (int db : kLevelsDb) {
    const double a = std::pow(10.0, db / 20.0);
    for (int sign : {1, -1}) {
      const int y = static_cast<int>(std::lround(centre - sign * a * half));
      if (settings_.h_grid) {
        p.setPen(QColor::fromRgba(kGridColour));
        p.drawLine(plot.left(), y, plot.right(), y);
      }
      p.setPen(QColor::fromRgba(kTextColour));
      p.drawText(QRect(plot.left() - 58, y - 8, 46, 16), Qt::AlignRight | Qt::AlignVCenter,
                 QString::asprintf("%ddB", db));
    }
  }
  if (settings_.v_grid) {
    p.setPen(QColor::fromRgba(kGridColour));
    for (int d = 1; d < kTimeDivisions; ++d) {
      const int x = plot.left() + d * plot.width() / kTimeDivisions;
      p.drawLine(x, plot.top(), x, plot.bottom());
    }
  }
  p.setPen(QColor::fromRgba(kZeroLine));
  p.drawLine(plot.left(), static_cast<int>(centre), plot.right(), static_cast<int>(centre));
  p.setPen(QColor::fromRgba(kTextColour));
  p.drawText(QRect(plot.right() - 120, plot.bottom() + 18, 120, 14),
             Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Time"));
}
