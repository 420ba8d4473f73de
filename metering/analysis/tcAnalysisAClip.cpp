#include "metering/analysis/tcAnalysisAClip.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "metering/analysis/tcAnalysisFFT.h"
#include "metering/meters/tcGradient.h"

namespace {

using K = tcViewSettings::Key;
constexpr unsigned kKeys = K::kTopRange | K::kVGrid | K::kGradient | K::kGhost | K::kLegend;
constexpr QRgb kGhost = 0xFF3C4248;  // the spectrum, dim behind the bars
constexpr QRgb kLegendFrame = 0xFF5A6470;

}  // namespace

tcAnalysisAClip::tcAnalysisAClip(tcAnalysisConfig& config)
    : tcAnalysisView(kAClip, kSection, kKeys, config) {
  read_settings();
}

std::vector<tcAnalysisView::Field> tcAnalysisAClip::fields() const {
  using F = Field;
  return {{F::kInt, "dBFS Top:", &tcViewSettings::db_top},
          {F::kInt, "db Range:", &tcViewSettings::db_range},
          {F::kText, "Gradient Stops:", nullptr, &tcViewSettings::gradient},
          {F::kCheck, "V.Grid Lines", nullptr, nullptr, &tcViewSettings::v_grid},
          {F::kCheck, "Ghost FFT", nullptr, nullptr, &tcViewSettings::fft_ghost},
          {F::kCheck, "Legend", nullptr, nullptr, &tcViewSettings::legend}};
}

tcViewSettings tcAnalysisAClip::defaults() const {
  tcViewSettings d = tcAnalysisView::defaults();
  d.fft_ghost = true;
  d.legend = true;
  return d;
}

double tcAnalysisAClip::depth(double db) const {
  return std::clamp(db - (settings_.db_top - settings_.db_range), 0.0,
                    static_cast<double>(settings_.db_range));
}

void tcAnalysisAClip::take(const uint8_t* block) {
  std::memcpy(data_.data(), block, data_.size());
  levels_ = tcSpectrum::band_levels(block);
}

void tcAnalysisAClip::clear() {
  data_.fill(0);
  levels_.fill(tcSpectrum::kFloorDb);
  frame_.forget();
}

void tcAnalysisAClip::paint_data(QPainter& p, const QRect& plot) {
  if (frames() == 0) {
    p.drawImage(plot.topLeft(), ground());
  } else {
    draw_frame_image(p, plot);
  }
  if (!legend_.isNull()) p.drawImage(plot.right() - legend_.width() - 9, plot.top() + 8, legend_);
}

void tcAnalysisAClip::draw_frame_image(QPainter& p, const QRect& plot) {
  if (frame_.renew(frames(), ground_version(), plot.size())) {
    const int w = plot.width();
    const QRect local(0, 0, w, plot.height());
    std::vector<int>& tops = frame_.tops;
    tops.assign(static_cast<size_t>(w), tcColumnPlot::kNone);
    const double pitch = static_cast<double>(w) / tcSpectrum::kBands;
    for (int b = 0; b < tcSpectrum::kBands; ++b) {
      const int y = y_of_db(levels_[static_cast<size_t>(b)], local);
      const int left = static_cast<int>(b * pitch + pitch * 0.12);
      const int right = std::min(w, static_cast<int>((b + 1) * pitch - pitch * 0.12));
      for (int x = left; x < right; ++x) tops[static_cast<size_t>(x)] = y;
    }
    ghost_tops_.clear();
    if (settings_.fft_ghost)
      tcAnalysisFFT::column_tops(data_.data(), w, plot.height(), *this, 1, &ghost_tops_);
    tcColumnPlot::render(frame_.image, ground(), tops, gradient_strip(plot.height()), ghost_tops_,
                         kGhost);
  }
  p.drawImage(plot.topLeft(), frame_.image);
}

void tcAnalysisAClip::draw_backdrop(QPainter& p, const QRect& area, const QRect& plot, int chain) {
  draw_frame(p, area, plot, chain);
  draw_freq_axis(p, plot);
  p.setFont(QFont(QStringLiteral("Arial"), 8));
  const int range = settings_.db_range;
  const int step = range <= 16 ? 2 : range <= 30 ? 4 : 6;
  for (int d = 0; d <= range; d += step) {
    const int y = y_of_db(settings_.db_top - range + d, plot);
    p.setPen(QColor::fromRgba(kGridColour));
    if (d != 0 && d != range) p.drawLine(plot.left(), y, plot.right(), y);
    p.setPen(QColor::fromRgba(kTextColour));
    p.drawText(QRect(plot.left() - 58, y - 8, 46, 16), Qt::AlignRight | Qt::AlignVCenter,
               QString::asprintf("%ddB", d));
  }
  p.drawText(QRect(plot.left() - 58, plot.top() - 24, 50, 16), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Depth"));
  legend_ = settings_.legend ? legend() : QImage();
}

QImage tcAnalysisAClip::legend() const {
  // Drawn over the bars, so built once here and blitted after them.
  QImage image(140, settings_.fft_ghost ? 62 : 44, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(0, 0, 0, 200));
  QPainter p(&image);
  const QRect box = image.rect().adjusted(0, 0, -1, -1);
  p.setPen(QColor::fromRgba(kLegendFrame));
  p.drawRect(box);
  const QRect bar(box.left() + 8, box.top() + 20, box.width() - 16, 8);
  QLinearGradient g(bar.left(), 0, bar.right(), 0);
  g.setStops(tcGradient::parse(settings_.gradient));
  p.fillRect(bar, g);
  p.setFont(QFont(QStringLiteral("Arial"), 8));
  p.setPen(QColor::fromRgba(kTextColour));
  p.drawText(QRect(box.left(), box.top() + 3, box.width(), 14), Qt::AlignCenter,
             QStringLiteral("Clip depth"));
  p.drawText(QRect(bar.left(), bar.bottom() + 2, 40, 12), Qt::AlignLeft, QStringLiteral("0dB"));
  p.drawText(QRect(bar.right() - 40, bar.bottom() + 2, 40, 12), Qt::AlignRight,
             QString::asprintf("%ddB", settings_.db_range));
  if (settings_.fft_ghost) {
    const int y = box.bottom() - 10;
    p.setPen(QPen(QColor::fromRgba(kGhost), 3));
    p.drawLine(bar.left(), y, bar.left() + 20, y);
    p.setPen(QColor::fromRgba(kTextColour));
    p.drawText(QRect(bar.left() + 26, y - 7, 100, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Spectrum"));
  }
  return image;
}
