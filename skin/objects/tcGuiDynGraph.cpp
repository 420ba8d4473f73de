#include "skin/objects/tcGuiDynGraph.h"

#include <QPainter>
#include <QPolygon>

const tcXmlData::AttrRow tcGuiDynGraph::kColourAttrs[] = {
    {"plot_bg", kPlotBg, &tcGuiGraph::colour_setter},
    {"gutter_fg", kGutterFg, &tcGuiGraph::colour_setter},
    {"gutter_bg", kGutterBg, &tcGuiGraph::colour_setter},
    {"axis_major", kAxisMajor, &tcGuiGraph::colour_setter},
    {"axis_minor", kAxisMinor, &tcGuiGraph::colour_setter},
    {"curve_1", kCurve1, &tcGuiGraph::colour_setter},
    {"curve_2", kCurve1 + 1, &tcGuiGraph::colour_setter},
    {"curve_3", kCurve1 + 2, &tcGuiGraph::colour_setter},
    {"curve_4", kCurve1 + 3, &tcGuiGraph::colour_setter},
    {"curve_5", kCurve1 + 4, &tcGuiGraph::colour_setter},
    {nullptr, 0, nullptr},
};

tcGuiDynGraph::tcGuiDynGraph(tcBench* bench, int id, const tcString& name)
    : tcGuiGraph(bench, kDynGraph, id, name) {}

tcGuiDynGraph::~tcGuiDynGraph() = default;

void tcGuiDynGraph::set_colour(int arg, uint32_t colour) {
  if (arg >= kCurve1 && arg < kCurve1 + kCurves) {
    curves_[arg - kCurve1] = colour;
  } else {
    tcGuiGraph::set_colour(arg, colour);
  }
}

void tcGuiDynGraph::set_curve(int i, std::vector<QPointF> points) {
  if (i < 0 || i >= kCurves) return;
  points_[i] = std::move(points);
  repaint();
}

void tcGuiDynGraph::draw_curves(QPainter& painter) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < kCurves; ++i) {
    if (points_[i].size() < 2) continue;
    QPolygon line;
    line.reserve(static_cast<int>(points_[i].size()));
    for (const QPointF& v : points_[i]) {
      line << QPoint(to_pixel(x_axis(), static_cast<float>(v.x())),
                     to_pixel(y_axis(), static_cast<float>(v.y())));
    }
    painter.setPen(QPen(QColor::fromRgba(curves_[i]), 1.5));
    painter.drawPolyline(line);
  }
  painter.restore();
}
