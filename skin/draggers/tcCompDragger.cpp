#include "skin/draggers/tcCompDragger.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "skin/objects/tcGuiApGraph.h"

namespace {
constexpr QRgb kTraceColours[tcCompDragger::kTraces] = {0xFFFFFF00u, 0xFFFF0000u, 0xFF00FFFFu};
constexpr QRgb kReferenceColour = 0xFFE65820u;
constexpr QRgb kBorderColour = 0xFF606060u;
constexpr QRgb kLevelColour = 0x900080FFu;
constexpr QRgb kCellOn = 0xFF20C040u;
constexpr QRgb kCellOff = 0xFF303030u;
constexpr QRgb kCellOutline = 0xFFA0A0A0u;
constexpr QRgb kCellArmed = 0xFFFFFFFFu;
constexpr int kCellWidth = 16;
constexpr float kDefaultTraceRange = 30.0f;
}  // namespace

tcCompDragger::tcCompDragger(tcGuiApGraph* graph, tcLiveSettings* live, int toggle_rows, int bands,
                             QObject* parent)
    : tcDraggerAdjusterBase(graph, bands, tcDraggerAdjusters::kProportional, parent),
      rows_(live, toggle_rows, adj_.count()) {
  trace_axis_.kind = tcGuiGraph::kLinearFromMin;
  trace_axis_.minimum = 0.0f;
  trace_axis_.maximum = kDefaultTraceRange;
  trace_axis_.size = plot_height();
  place();
}

tcCompDragger::~tcCompDragger() = default;

void tcCompDragger::set_three_zones(bool on) {
  three_zones_ = on;
  place();
}

void tcCompDragger::set_crossovers(const float hz[kCrossovers]) {
  std::copy(hz, hz + kCrossovers, crossovers_);
  place();
}

void tcCompDragger::set_trace(int trace, const float* db, int count) {
  if (trace < 0 || trace >= kTraces || count < 0) return;
  traces_[trace].assign(db, db + std::min(count, adj_.count()));
}

void tcCompDragger::set_trace_shown(int trace, bool on) {
  if (trace >= 0 && trace < kTraces) trace_shown_[trace] = on;
}

void tcCompDragger::set_trace_range(float max_db) {
  if (max_db > 0.0f) trace_axis_.maximum = max_db;
}

int tcCompDragger::border_x(int b) const {
  const int n = adj_.count();
  if (b < kCrossovers && crossovers_[b] > 0.0f && graph()) {
    return std::clamp(tcGuiGraph::to_pixel(graph()->x_axis(), crossovers_[b]), 0, plot_width());
  }
  return static_cast<int>(static_cast<long long>(plot_width()) * (b + 1) / n);
}

void tcCompDragger::place() {
  trace_axis_.size = plot_height();
  const int n = adj_.count();
  const int w = plot_width();
  for (int i = 0; i < n; ++i) {
    const int left = i == 0 ? 0 : border_x(i - 1);
    const int right = i == n - 1 ? w : border_x(i);
    xs_[i] = (left + right) / 2;
  }
  if (three_zones_) {
    xs_[0] = w / 6;
    xs_[n / 2] = w / 2;
    xs_[n - 1] = w - w / 6;
  }
}

bool tcCompDragger::shown(int i) const {
  const int n = adj_.count();
  return !three_zones_ || i == 0 || i == n / 2 || i == n - 1;
}

int tcCompDragger::zone_at(int x) const {
  if (!three_zones_) return tcDraggerAdjusterBase::zone_at(x);
  const int w = plot_width();
  if (w <= 0 || x < 0 || x > w) return -1;
  const int third = std::min(static_cast<int>(3LL * x / w), 2);
  const int n = adj_.count();
  const int hit[3] = {0, n / 2, n - 1};
  return hit[third];
}

int tcCompDragger::row_at(int y) const {
  return rows_.row_at(y, plot_height() - kRowTopFromBottom, -kRowPitch, kRowHeight);
}

void tcCompDragger::draw_background(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  QPen border(QColor::fromRgba(kBorderColour), 1, Qt::DotLine);
  p.setPen(border);
  for (int b = 0; b + 1 < adj_.count(); ++b) {
    const int x = border_x(b);
    p.drawLine(x, 0, x, plot_height());
  }
  if (graph()) {
    const int y = tcGuiGraph::to_pixel(graph()->y_axis(), reference_);
    if (y >= 0 && y <= plot_height()) {
      p.setPen(QColor::fromRgba(kReferenceColour));
      p.drawLine(0, y, plot_width(), y);
    }
  }
  p.restore();
}

void tcCompDragger::draw_curves(QPainter& p) {
  p.save();
  const int n = adj_.count();
  const int w = plot_width();
  // The level of each band across its span, so a band reads as a step.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(QColor::fromRgba(kLevelColour), 2));
  for (int i = 0; i < n; ++i) {
    if (!shown(i)) continue;
    const int left = i == 0 ? 0 : border_x(i - 1);
    const int right = i == n - 1 ? w : border_x(i);
    p.drawLine(left, adj_.at(i).height, right, adj_.at(i).height);
  }
  p.setRenderHint(QPainter::Antialiasing, true);
  for (int t = 0; t < kTraces; ++t) {
    if (!trace_shown_[t] || traces_[t].empty()) continue;
    const std::vector<float>& db = traces_[t];
    QPainterPath path;
    int band = 0;
    for (int k = 0; k < kTracePoints; ++k) {
      const double x = static_cast<double>(w) * k / (kTracePoints - 1);
      while (band + 1 < static_cast<int>(db.size()) && x >= border_x(band)) ++band;
      // Through pixel centres, so level stretches stay crisp.
      const QPointF pt(
          x + 0.5, std::clamp(tcGuiGraph::to_pixel(trace_axis_, db[band]), 0, plot_height()) + 0.5);
      if (k == 0) {
        path.moveTo(pt);
      } else {
        path.lineTo(pt);
      }
    }
    p.setPen(QPen(QColor::fromRgba(kTraceColours[t]), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.restore();
}

void tcCompDragger::draw_handles(QPainter& p) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int r = 0; r < rows_.rows(); ++r) {
    const int top = plot_height() - kRowTopFromBottom - kRowPitch * r;
    for (int i = 0; i < adj_.count(); ++i) {
      if (!shown(i)) continue;
      const bool armed = r == armed_row_ && i == armed_band_;
      p.setPen(QColor::fromRgba(armed ? kCellArmed : kCellOutline));
      p.setBrush(QColor::fromRgba(rows_.flag(r, i) ? kCellOn : kCellOff));
      p.drawRect(xs_[i] - kCellWidth / 2, top, kCellWidth - 1, kRowHeight - 1);
    }
  }
  p.restore();
  tcDraggerAdjusterBase::draw_handles(p);
}

int tcCompDragger::left_press(int x, int y) {
  tcGuiGraphDragger::left_press(x, y);
  stop_drag();
  armed_row_ = armed_band_ = -1;
  if (graph() && graph()->disabled()) return 0;
  const int i = zone_at(x);
  if (i < 0) return 0;
  const int row = row_at(y);
  if (row >= 0) {
    adj_.select(i);
    armed_row_ = row;
    armed_band_ = i;
    return kRepaint;
  }
  begin_drag(x);
  return kRepaint;
}

int tcCompDragger::release(int x, int y) {
  tcDraggerAdjusterBase::release(x, y);
  if (armed_row_ < 0) return 0;
  int answer = kRepaint;
  if (zone_at(x) == armed_band_ && row_at(y) == armed_row_ &&
      rows_.toggle(armed_row_, armed_band_)) {
    answer |= kChanged;
  }
  armed_row_ = -1;
  armed_band_ = -1;
  return answer;
}
