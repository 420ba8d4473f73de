#include "metering/analysis/tcAnalysisSurfPlot.h"

#include <QPainter>
#include <algorithm>

#include "metering/analysis/tcAnalysisFFT.h"

namespace {

using K = tcViewSettings::Key;
constexpr unsigned kKeys =
    K::kTopRange | K::kHGrid | K::kVGrid | K::kGAxis | K::kGradient | K::kShift;
constexpr int kStep = 3;  // pixels between ridge points
constexpr int kColourSteps = 32;

}  // namespace

tcAnalysisSurfPlot::tcAnalysisSurfPlot(tcAnalysisConfig& config)
    : tcAnalysisView(kSurfPlot, kSection, kKeys, config) {
  read_settings();
}

std::vector<tcAnalysisView::Field> tcAnalysisSurfPlot::fields() const {
  using F = Field;
  return {{F::kInt, "dBFS Top:", &tcViewSettings::db_top},
          {F::kInt, "db Range:", &tcViewSettings::db_range},
          {F::kInt, "X Shift:", &tcViewSettings::xshift},
          {F::kInt, "Y Shift:", &tcViewSettings::yshift},
          {F::kText, "Gradient Stops:", nullptr, &tcViewSettings::gradient},
          {F::kCheck, "H.Grid Lines", nullptr, nullptr, &tcViewSettings::h_grid},
          {F::kCheck, "V.Grid Lines", nullptr, nullptr, &tcViewSettings::v_grid},
          {F::kCheck, "Colored Y Axis", nullptr, nullptr, &tcViewSettings::gaxis}};
}

tcViewSettings tcAnalysisSurfPlot::defaults() const {
  tcViewSettings d = tcAnalysisView::defaults();
  d.xshift = 2;
  d.yshift = 2;
  return d;
}

QRect tcAnalysisSurfPlot::front_rect(const QRect& plot) {
  const int depth_w = plot.width() * 3 / 10;
  const int depth_h = plot.height() * 2 / 5;
  return QRect(plot.left(), plot.top() + depth_h, plot.width() - depth_w, plot.height() - depth_h);
}

double tcAnalysisSurfPlot::band_x(int band, const QRect& plot) const {
  return plot.left() + tcSpectrum::band_centre(band) * plot.width();
}

void tcAnalysisSurfPlot::take(const uint8_t* block) {
  Block b;
  std::copy(block, block + b.size(), b.begin());
  history_.push_back(b);
  if (history_.size() > kHistory) history_.pop_front();
  pending_ = std::min(pending_ + 1, history_.size());
}

void tcAnalysisSurfPlot::clear() {
  history_.clear();
  pending_ = 0;
  stale_ = true;
}

void tcAnalysisSurfPlot::add_frame(const Block& block, const QRect& front) {
  const QImage& from = images_[static_cast<size_t>(current_)];
  current_ ^= 1;
  QImage& to = images_[static_cast<size_t>(current_)];
  QPainter p(&to);
  // A plain copy, shifted; the strips it leaves open are cleared.
  const int xs = settings_.xshift;
  const int ys = settings_.yshift;
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(xs, -ys), from);
  p.fillRect(QRect(0, 0, xs, to.height()), Qt::transparent);
  p.fillRect(QRect(0, to.height() - ys, to.width(), ys), Qt::transparent);
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setClipRect(front);
  draw_ridge(p, block, front);
}

void tcAnalysisSurfPlot::draw_ridge(QPainter& p, const Block& block, const QRect& front) {
  if (surface_.height() != front.height()) {
    surface_ = gradient_strip(front.height()).copy();
    for (int y = 0; y < surface_.height(); ++y) {
      const QRgb c = surface_.pixel(0, y);
      surface_.setPixel(0, y, qRgb(qRed(c) * 2 / 5, qGreen(c) * 2 / 5, qBlue(c) * 2 / 5));
    }
  }
  // Each ridge point stands for the loudest bin under its few columns.
  const int w = front.width();
  QPolygon ridge;
  ridge.reserve(w / kStep + 3);
  for (int x = 0; x < w; x += kStep) {
    const int from = tcAnalysisFFT::column_byte(x, w);
    const int to = std::max(from + 1, tcAnalysisFFT::column_byte(x + kStep, w));
    const uint8_t loudest = *std::max_element(block.begin() + from, block.begin() + to);
    ridge << QPoint(front.left() + x, y_of_db(tcSpectrum::bin_db(loudest), front));
  }
  const int points = ridge.size();
  ridge << QPoint(front.left() + w, front.bottom() + 1) << QPoint(front.left(), front.bottom() + 1);
  p.setPen(Qt::NoPen);
  p.setBrush(QBrush(surface_));
  p.setBrushOrigin(0, front.top());
  p.drawPolygon(ridge);
  p.setRenderHint(QPainter::Antialiasing, true);
  // Segments of one colour step go out as one line.
  const double span = std::max(1, front.height());
  const auto step_of = [&](int i) {
    const int y = std::min(ridge[i].y(), ridge[i + 1].y());
    return static_cast<int>((front.bottom() + 1 - y) / span * kColourSteps);
  };
  int from = 0;
  while (from + 1 < points) {
    const int step = step_of(from);
    int to = from + 1;
    while (to + 1 < points && step_of(to) == step) ++to;
    QPen pen(QColor::fromRgba(gradient_colour((step + 0.5) / kColourSteps)), 1);
    pen.setCosmetic(true);  // the fast line path
    p.setPen(pen);
    p.drawPolyline(ridge.constData() + from, to - from + 1);
    from = to;
  }
}

void tcAnalysisSurfPlot::paint_data(QPainter& painter, const QRect& plot) {
  const QRect front = front_rect(QRect(QPoint(0, 0), plot.size()));
  if (images_[0].size() != plot.size()) stale_ = true;
  if (stale_) {
    for (QImage& im : images_) {
      im = QImage(plot.size(), QImage::Format_ARGB32_Premultiplied);
      im.fill(Qt::transparent);
    }
    // Only frames that can still be seen before they leave the plot.
    const int shift = std::max(1, std::min(settings_.xshift, settings_.yshift));
    const size_t visible = static_cast<size_t>(std::max(plot.width(), plot.height()) / shift + 1);
    pending_ = std::min(history_.size(), visible);
    stale_ = false;
  }
  for (size_t i = history_.size() - pending_; i < history_.size(); ++i)
    add_frame(history_[i], front);
  pending_ = 0;
  painter.drawImage(plot.topLeft(), images_[static_cast<size_t>(current_)]);
}

void tcAnalysisSurfPlot::draw_backdrop(QPainter& p, const QRect& area, const QRect& plot,
                                       int chain) {
  draw_frame(p, area, plot, chain);
  const QRect front = front_rect(plot);
  draw_db_scale(p, front, "dBFS");
  draw_freq_axis(p, front);
  // The floor's edges recede along the shift.
  const double xs = settings_.xshift;
  const double ys = settings_.yshift;
  const double t =
      std::min((plot.right() - front.right()) / xs, (front.bottom() - plot.top()) / ys);
  p.setPen(QColor::fromRgba(kFrameColour));
  for (const QPoint& from : {front.bottomRight(), front.bottomLeft()})
    p.drawLine(from, from + QPoint(static_cast<int>(t * xs), -static_cast<int>(t * ys)));
}
