#include "skin/objects/tcGuiGraph.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "skin/objects/tcObjectReader.h"

namespace {
// Conversion to a 32-bit integer toward zero, held inside the int range.
int trunc32(double v) {
  if (!(v == v)) return 0;
  if (v >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}
}  // namespace

tcGuiGraph::tcGuiGraph(tcBench* bench, int kind, int id, const tcString& name)
    : tcGuiObject(bench, kind, id, name) {}

tcGuiGraph::~tcGuiGraph() = default;

int tcGuiGraph::to_pixel(const Axis& a, float v) {
  const double span = static_cast<double>(a.maximum) - a.minimum;
  switch (a.kind) {
    case kLinearFromMax:
      return a.size - trunc32((v - a.minimum) / span * a.size + 0.5);
    case kLog:
      return trunc32(std::log10(static_cast<double>(v) / a.minimum) * a.size /
                         std::log10(static_cast<double>(a.maximum) / a.minimum) +
                     0.5);
    case kLinearFromMin:
      return trunc32((v - a.minimum) / span * a.size + 0.5);
    default:
      return 0;
  }
}

float tcGuiGraph::to_value(const Axis& a, int p) {
  const double span = static_cast<double>(a.maximum) - a.minimum;
  switch (a.kind) {
    case kLinearFromMax:
      return static_cast<float>((a.size - p) / static_cast<double>(a.size) * span + a.minimum);
    case kLog:
      return static_cast<float>(
          a.minimum *
          std::pow(10.0, std::log10(static_cast<double>(a.maximum) / a.minimum) * p / a.size));
    case kLinearFromMin:
      return static_cast<float>(p / static_cast<double>(a.size) * span + a.minimum);
    default:
      return 0.0f;
  }
}

void tcGuiGraph::set_colour(int arg, uint32_t colour) {
  if (arg >= 0 && arg < kBaseColours) colours_[arg] = colour;
}

void tcGuiGraph::colour_setter(tcXmlData& x, const char* value, int arg) {
  if (tcGuiGraph* self = tcObjectReader::target<tcGuiGraph>(x)) {
    self->set_colour(arg, tcObjectReader::of(x).colour(value));
  }
}

void tcGuiGraph::finish() {
  size_axes();
  tcGuiObject::finish();
}

void tcGuiGraph::set_width(int w) {
  tcGuiObject::set_width(w);
  size_axes();
}

void tcGuiGraph::set_height(int h) {
  tcGuiObject::set_height(h);
  size_axes();
}

QRect tcGuiGraph::plot_rect() const {
  const int left = kGutterLeft + (y_title_.isEmpty() ? 0 : kTitleColumn);
  const int top = kGutterTop + (title_.isEmpty() ? 0 : kTitleRow);
  const int w = w_ - left - kGutterRight;
  const int h = h_ - top - kGutterBottom;
  return QRect(left, top, w > 1 ? w : 1, h > 1 ? h : 1);
}

void tcGuiGraph::size_axes() {
  const QRect plot = plot_rect();
  x_axis_.size = plot.width();
  y_axis_.size = plot.height();
  plot_resized();
}

void tcGuiGraph::set_axis(bool x, int kind, float minimum, float maximum) {
  Axis& a = x ? x_axis_ : y_axis_;
  a.kind = kind;
  a.minimum = minimum;
  a.maximum = maximum;
  repaint();
}

void tcGuiGraph::set_marks(bool x, std::vector<Mark> marks) {
  (x ? x_marks_ : y_marks_) = std::move(marks);
  repaint();
}

void tcGuiGraph::set_titles(const QString& title, const QString& y_title) {
  if (title == title_ && y_title == y_title_) return;
  const QRect before = plot_rect();
  title_ = title;
  y_title_ = y_title;
  if (plot_rect() != before) size_axes();
  repaint();
}

namespace {
bool usable(const tcGuiGraph::Axis& a) {
  if (!(a.maximum > a.minimum) || a.size <= 0) return false;
  return a.kind != tcGuiGraph::kLog || a.minimum > 0.0f;
}

// A step of 1, 2 or 5 times a power of ten giving about five divisions.
double nice_step(double span) {
  const double raw = span / 5.0;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double f = raw / power;
  return (f < 1.5 ? 1.0 : (f < 3.5 ? 2.0 : (f < 7.5 ? 5.0 : 10.0))) * power;
}

QString label_of(float v) {
  const double a = std::fabs(v);
  if (a >= 1000.0) return QString::number(v / 1000.0, 'g', 3) + QLatin1Char('k');
  return QString::number(v, 'g', 3);
}
}  // namespace

void tcGuiGraph::grid_of(const Axis& a, std::vector<float>* majors, std::vector<float>* minors) {
  if (!usable(a)) return;
  if (a.kind == kLog) {
    for (double decade = std::pow(10.0, std::floor(std::log10(a.minimum))); decade <= a.maximum;
         decade *= 10.0) {
      for (int m = 1; m < 10; ++m) {
        const double v = decade * m;
        if (v < a.minimum || v > a.maximum) continue;
        (m == 1 ? majors : minors)->push_back(static_cast<float>(v));
      }
    }
    return;
  }
  const double step = nice_step(static_cast<double>(a.maximum) - a.minimum);
  const double first = std::ceil(a.minimum / step) * step;
  for (int i = 0; i < 64; ++i) {
    const double v = first + i * step;
    if (v > a.maximum + step * 1e-6) break;
    majors->push_back(static_cast<float>(std::fabs(v) < step * 1e-6 ? 0.0 : v));
    const double half = v + step / 2;
    if (half < a.maximum) minors->push_back(static_cast<float>(half));
  }
}

tcGuiGraph::Grid tcGuiGraph::grid(bool x) const {
  Grid g;
  const std::vector<Mark>& marks = x ? x_marks_ : y_marks_;
  if (marks.empty()) {
    grid_of(x ? x_axis_ : y_axis_, &g.majors, &g.minors);
    for (float v : g.majors) g.labels.push_back(label_of(v));
    return g;
  }
  for (const Mark& m : marks) {
    g.majors.push_back(m.value);
    g.labels.push_back(m.label);
  }
  return g;
}

void tcGuiGraph::draw_background(QPainter& painter) {
  const QRect plot = plot_rect();
  for (const bool x : {true, false}) {
    const Grid g = grid(x);
    for (int kind = 0; kind < 2; ++kind) {
      painter.setPen(QColor::fromRgba(colours_[kind == 0 ? kAxisMinor : kAxisMajor]));
      for (float v : kind == 0 ? g.minors : g.majors) {
        const int p = to_pixel(x ? x_axis_ : y_axis_, v);
        if (x) {
          painter.drawLine(p, 0, p, plot.height() - 1);
        } else {
          painter.drawLine(0, p, plot.width() - 1, p);
        }
      }
    }
  }
}

void tcGuiGraph::draw_curves(QPainter&) {}

void tcGuiGraph::draw_handles(QPainter&) {}

void tcGuiGraph::draw_labels(QPainter& painter) {
  const QRect plot = plot_rect();
  QFont small = font_;
  small.setPixelSize(9);
  painter.setFont(small);
  painter.setPen(QColor::fromRgba(colours_[kGutterFg]));
  for (const bool x : {true, false}) {
    const Grid g = grid(x);
    for (size_t i = 0; i < g.majors.size(); ++i) {
      if (x) {
        const int p = plot.x() + to_pixel(x_axis_, g.majors[i]);
        painter.drawText(QRect(p - 20, plot.bottom() + 2, 40, kGutterBottom - 2),
                         Qt::AlignHCenter | Qt::AlignTop, g.labels[i]);
      } else {
        // A label at the plot's edge stays inside the graph.
        const int p = std::max(std::min(plot.y() + to_pixel(y_axis_, g.majors[i]) - 6, h_ - 12), 0);
        painter.drawText(QRect(plot.x() - kGutterLeft, p, kGutterLeft - 3, 12),
                         Qt::AlignRight | Qt::AlignVCenter, g.labels[i]);
      }
    }
  }
  // The titles in their own room: the title over the plot, the y axis'
  // name reading upwards left of the y labels.
  if (!title_.isEmpty()) {
    painter.drawText(QRect(plot.x(), plot.y() - kTitleRow, plot.width(), kTitleRow),
                     Qt::AlignHCenter | Qt::AlignVCenter, title_);
  }
  if (!y_title_.isEmpty()) {
    painter.save();
    painter.translate(0, plot.y() + plot.height() / 2);
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, 0, plot.height(), kTitleColumn),
                     Qt::AlignHCenter | Qt::AlignVCenter, y_title_);
    painter.restore();
  }
}

void tcGuiGraph::paint(QPainter& painter) {
  paint_backdrop(painter);
  const QRect plot = plot_rect().translated(x_, y_);
  painter.fillRect(area_, QColor::fromRgba(colours_[kGutterBg]));
  painter.fillRect(plot, QColor::fromRgba(colours_[kPlotBg]));
  painter.save();
  painter.setClipRect(plot, Qt::IntersectClip);
  painter.translate(plot.topLeft());
  draw_background(painter);
  draw_curves(painter);
  draw_handles(painter);
  painter.restore();
  painter.save();
  painter.translate(x_, y_);
  draw_labels(painter);
  painter.restore();
  paint_overlay(painter);
}
