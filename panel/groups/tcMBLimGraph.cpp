#include "panel/groups/tcMBLimGraph.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "link/protocol/tcMeterRecord.h"
#include "skin/draggers/tcMBCheckDragger.h"
#include "skin/draggers/tcMBSlideDragger.h"
#include "skin/draggers/tcPEQDragger.h"
#include "skin/loader/tcBenchMaster.h"
#include "skin/objects/tcGuiApGraph.h"

namespace {
constexpr int kTextPixels = 9;
constexpr int kMarkTick = 4;
constexpr int kMarkWidth = 26;
constexpr int kReductionAlpha = 0xB0;
}  // namespace

tcMBLimGraph::tcMBLimGraph(tcGuiApGraph* graph, tcLiveSettings* live, const EqIds& eq,
                           uint16_t switch_base, QObject* parent)
    : tcGuiGraphDragger(graph, parent),
      bands_(std::make_unique<tcMBSlideDragger>(graph)),
      equaliser_(std::make_unique<tcPEQDragger>(graph, live, eq.frequency, eq.width, eq.gain)),
      limit_colour_(skin_colour("MBLimitColor", kLimitColour)),
      clip_colour_(skin_colour("MBClipColor", kClipColour)) {
  setObjectName("MBLimGraph");
  bands_->setObjectName("MBLimDragger");
  if (switch_base != 0) {
    switches_ = std::make_unique<tcMBCheckDragger>(graph, live, 1);
    switches_->setObjectName("MBLimCheckbox");
    switches_->set_row_base(0, switch_base);
  }
  reduction_.fill(tcMeterRecord::kNoValue);
  auto_eq_.fill(tcMeterRecord::kNoValue);
  if (graph) xs_ = tcDraggerColumns::third_octave_positions(graph->x_axis());
}

tcMBLimGraph::~tcMBLimGraph() = default;

uint32_t tcMBLimGraph::skin_colour(const char* name, uint32_t missing) const {
  const auto* skin = graph() ? dynamic_cast<const tcBenchMaster*>(graph()->bench()) : nullptr;
  const uint32_t* found = skin ? skin->find_colour(name) : nullptr;
  return found ? *found : missing;
}

void tcMBLimGraph::show_quantity(Editor editor, const char* name, const char* const* marks,
                                 float minimum, float maximum) {
  editor_ = editor;
  name_ = name;
  marks_.clear();
  for (const char* const* m = marks; m && *m; ++m) marks_.emplace_back(*m);
  if (tcGuiApGraph* g = graph()) {
    g->set_axis(true, tcGuiGraph::kLog, tcDraggerColumns::kThirdOctaveHz[0],
                tcDraggerColumns::kThirdOctaveHz[kBandCount - 1]);
    g->set_axis(false, tcGuiGraph::kLinearFromMax, minimum, maximum);
    // Positions follow the axes.
    set_plot_size(g->x_axis().size, g->y_axis().size);
  }
  request_repaint();
}

tcGuiGraphDragger* tcMBLimGraph::active() const {
  switch (editor_) {
    case kBands:
      return bands_.get();
    case kSwitches:
      return switches_.get();
    case kEqualiser:
      return equaliser_.get();
    default:
      return nullptr;
  }
}

void tcMBLimGraph::set_readings(const tcGraphReadings& r) {
  for (int b = 0; b < kBandCount; ++b) {
    const bool band = b < r.bands;
    reduction_[b] = band && r.rows > 0 ? r.row[0][b] : tcMeterRecord::kNoValue;
    auto_eq_[b] = band && r.rows > 1 ? r.row[1][b] : tcMeterRecord::kNoValue;
  }
  clip_ = r.extra;
}

void tcMBLimGraph::set_coupling_active(bool on) {
  if (on == coupling_) return;
  coupling_ = on;
  request_repaint();
}

void tcMBLimGraph::set_plot_size(int width, int height) {
  tcGuiGraphDragger::set_plot_size(width, height);
  bands_->set_plot_size(width, height);
  equaliser_->set_plot_size(width, height);
  if (switches_) switches_->set_plot_size(width, height);
  if (graph()) xs_ = tcDraggerColumns::third_octave_positions(graph()->x_axis());
}

int tcMBLimGraph::reduction_depth(uint8_t reading) const {
  const float db = -tcMeterRecord::level_db(reading);
  const int depth = static_cast<int>(std::lround(db / kReductionRangeDb * plot_height()));
  return std::clamp(depth, 0, plot_height());
}

void tcMBLimGraph::draw_background(QPainter& p) {
  if (editor_ == kEqualiser || editor_ == kAutoEq) equaliser_->draw_background(p);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  // Each band's reduction is a bar as wide as half the gap to its neighbours.
  QColor limit = QColor::fromRgba(limit_colour_);
  limit.setAlpha(kReductionAlpha * limit.alpha() / 255);
  for (int b = 0; b < kBandCount && b < static_cast<int>(xs_.size()); ++b) {
    if (reduction_[b] == tcMeterRecord::kNoValue) continue;
    const int depth = reduction_depth(reduction_[b]);
    if (depth <= 0) continue;
    const int left = b > 0 ? (xs_[b - 1] + xs_[b]) / 2 : xs_[b];
    const int right = b + 1 < kBandCount ? (xs_[b] + xs_[b + 1]) / 2 : xs_[b];
    const int half = std::max((right - left) / 4, 1);
    p.fillRect(QRect(xs_[b] - half, 0, 2 * half + 1, depth), limit);
  }
  if (clip_ != tcMeterRecord::kNoValue) {
    const int y = reduction_depth(clip_);
    p.setPen(QPen(QColor::fromRgba(clip_colour_), 1, Qt::DashLine));
    p.drawLine(0, y, plot_width() - 1, y);
  }
  p.restore();
  draw_texts(p);
}

void tcMBLimGraph::draw_texts(QPainter& p) const {
  if (!graph()) return;
  p.save();
  QFont small = p.font();
  small.setPixelSize(kTextPixels);
  p.setFont(small);
  const QColor ink = QColor::fromRgba(graph()->colour(tcGuiGraph::kGutterFg));
  p.setPen(ink);
  for (const tcString& mark : marks_) {
    const int y = tcGuiGraph::to_pixel(graph()->y_axis(), std::strtof(mark.c_str(), nullptr));
    if (y < 0 || y > plot_height()) continue;
    p.drawLine(0, y, kMarkTick, y);
    p.drawText(QRect(kMarkTick + 2, y - kTextPixels, kMarkWidth, 2 * kTextPixels),
               Qt::AlignLeft | Qt::AlignVCenter, mark.toQString());
  }
  // The reductions hang from the top: the texts keep to the bottom line,
  // right of the marks.
  const int left = kMarkTick + kMarkWidth;
  const QRect line(left, 2, std::max(plot_width() - left - 2, 1), std::max(plot_height() - 4, 1));
  const bool boost_cut = editor_ == kEqualiser || editor_ == kAutoEq;
  p.drawText(line, Qt::AlignRight | Qt::AlignBottom,
             QString::fromLatin1(boost_cut ? kBoostCutLabel : kReductionLabel));
  p.setPen(QColor::fromRgba(graph()->audio_colour()));
  p.drawText(line, Qt::AlignLeft | Qt::AlignBottom, name_.toQString());
  if (coupling_) {
    p.setPen(QColor::fromRgba(clip_colour_));
    p.drawText(line, Qt::AlignHCenter | Qt::AlignBottom, QString::fromLatin1(kCouplingLabel));
  }
  p.restore();
}

void tcMBLimGraph::draw_curves(QPainter& p) {
  if (tcGuiGraphDragger* d = active()) d->draw_curves(p);
  if (editor_ != kAutoEq || !graph()) return;
  // The processor's automatic equaliser: a cut per band in quarter decibels.
  QPainterPath line;
  bool started = false;
  for (int b = 0; b < kBandCount && b < static_cast<int>(xs_.size()); ++b) {
    if (auto_eq_[b] == tcMeterRecord::kNoValue) continue;
    const QPointF pt(xs_[b],
                     tcGuiGraph::to_pixel(graph()->y_axis(), tcMeterRecord::level_db(auto_eq_[b])));
    if (started) {
      line.lineTo(pt);
    } else {
      line.moveTo(pt);
      started = true;
    }
  }
  if (!started) return;
  p.save();
  p.setClipRect(QRect(0, 0, plot_width(), plot_height() + 1), Qt::IntersectClip);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.strokePath(line, QPen(QColor::fromRgba(equaliser_->colour(tcPEQDragger::kBands)), 2.0));
  p.restore();
}

void tcMBLimGraph::draw_handles(QPainter& p) {
  if (tcGuiGraphDragger* d = active()) d->draw_handles(p);
}

int tcMBLimGraph::left_press(int x, int y) {
  tcGuiGraphDragger::left_press(x, y);
  return to_active(&tcGuiGraphDragger::left_press, x, y);
}

int tcMBLimGraph::double_click(int x, int y) {
  return to_active(&tcGuiGraphDragger::double_click, x, y);
}

int tcMBLimGraph::right_press(int x, int y) {
  tcGuiGraphDragger::right_press(x, y);
  return to_active(&tcGuiGraphDragger::right_press, x, y);
}

int tcMBLimGraph::release(int x, int y) {
  return to_active(&tcGuiGraphDragger::release, x, y);
}

int tcMBLimGraph::drag(int dx, int dy, int modifiers) {
  return to_active(&tcGuiGraphDragger::drag, dx, dy, modifiers);
}

int tcMBLimGraph::hover(int x, int y) {
  return to_active(&tcGuiGraphDragger::hover, x, y);
}

int tcMBLimGraph::wheel(int step, int modifiers) {
  return to_active(&tcGuiGraphDragger::wheel, step, modifiers);
}

int tcMBLimGraph::leave() {
  return to_active(&tcGuiGraphDragger::leave);
}
