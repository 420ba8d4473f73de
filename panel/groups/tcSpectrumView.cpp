#include "panel/groups/tcSpectrumView.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "link/protocol/tcMeterRecord.h"
#include "skin/draggers/tcSpectrumDragger.h"
#include "skin/objects/tcGuiApGraph.h"

namespace {
constexpr int kLast = tcSpectrum::kBands - 1;
// Half a third of an octave (2^(1/6)): the outer bands' outer edges.
constexpr float kHalfBand = 1.12246205f;
// The bars fade towards the floor; their tops are drawn solid.
constexpr int kFillTopAlpha = 0xB0;
constexpr int kFillBottomAlpha = 0x38;
constexpr int kCapPixels = 2;
}  // namespace

tcSpectrumView::tcSpectrumView(tcGuiApGraph* graph, int slot)
    : graph_(graph), dragger_(std::make_unique<tcSpectrumDragger>(graph)) {
  dragger_->setObjectName("SpectrumDragger");
  dragger_->set_layer([this](QPainter& p) { draw(p); });
  connect(dragger_.get(), &tcSpectrumDragger::sig_shift, this, &tcSpectrumView::slot_shift);
  const tcGuiGraph::Axis& y = graph_->y_axis();
  const float span = y.maximum - y.minimum;
  graph_->set_axis(true, tcGuiGraph::kLog, static_cast<float>(tcSpectrum::band_hz(0)) / kHalfBand,
                   static_cast<float>(tcSpectrum::band_hz(kLast)) * kHalfBand);
  graph_->set_axis(false, tcGuiGraph::kLinearFromMax, kTopDb - span, kTopDb);
  graph_->set_dragger(slot, dragger_.get());
}

tcSpectrumView::~tcSpectrumView() = default;

bool tcSpectrumView::shown() const {
  return graph_->visible() && graph_->active_dragger() == dragger_.get();
}

float tcSpectrumView::top_db() const {
  return graph_->y_axis().maximum;
}

bool tcSpectrumView::take(const tcMeterRecord& record) {
  const uint8_t* block = record.analysis();
  if (!shown() || tcSpectrum::is_scope(block)) return false;
  const tcSpectrum::Levels levels = tcSpectrum::band_levels(block);
  if (has_levels_ && levels == levels_) return true;
  levels_ = levels;
  has_levels_ = true;
  rebuild();
  return true;
}

void tcSpectrumView::clear() {
  has_levels_ = false;
  picture_ = QImage();
}

void tcSpectrumView::slot_shift(int, int dy) {
  const tcGuiGraph::Axis& y = graph_->y_axis();
  if (dy == 0 || y.size <= 0) return;
  // The span is the panel's spectrum range, whole decibels.
  const auto span = static_cast<float>(std::lround(y.maximum - y.minimum));
  const float top = std::clamp(
      y.maximum + static_cast<float>(dy) * span / static_cast<float>(y.size), kLowestTopDb, kTopDb);
  if (top == y.maximum) return;
  graph_->set_axis(false, y.kind, top - span, top);
  rebuild();
}

void tcSpectrumView::rebuild() {
  picture_ = QImage();
  const tcGuiGraph::Axis& x = graph_->x_axis();
  const tcGuiGraph::Axis& y = graph_->y_axis();
  if (!has_levels_ || x.size <= 0 || y.size <= 0) return;
  picture_ = QImage(x.size, y.size + 1, QImage::Format_ARGB32_Premultiplied);
  picture_.fill(Qt::transparent);
  QPainter p(&picture_);
  const QColor ink = QColor::fromRgba(graph_->audio_colour());
  QColor top = ink;
  top.setAlpha(kFillTopAlpha);
  QColor bottom = ink;
  bottom.setAlpha(kFillBottomAlpha);
  QLinearGradient fade(0, 0, 0, y.size);
  fade.setColorAt(0.0, top);
  fade.setColorAt(1.0, bottom);

  int centre[tcSpectrum::kBands];
  for (int b = 0; b <= kLast; ++b) {
    centre[b] = tcGuiGraph::to_pixel(x, static_cast<float>(tcSpectrum::band_hz(b)));
  }
  // A band reaches halfway to its neighbours; the axis ends at the outer edges.
  for (int b = 0; b <= kLast; ++b) {
    const int left = b == 0 ? 0 : (centre[b - 1] + centre[b]) / 2;
    const int right = b == kLast ? x.size : (centre[b] + centre[b + 1]) / 2;
    const int level =
        std::clamp(tcGuiGraph::to_pixel(y, static_cast<float>(levels_[b])), 0, y.size);
    if (level >= y.size || right - left < 2) continue;
    const QRect bar(left + 1, level, right - left - 1, y.size - level + 1);
    p.fillRect(bar, fade);
    p.fillRect(QRect(bar.left(), level, bar.width(), kCapPixels), ink);
  }
}

void tcSpectrumView::draw(QPainter& p) const {
  if (!picture_.isNull()) p.drawImage(0, 0, picture_);
}
