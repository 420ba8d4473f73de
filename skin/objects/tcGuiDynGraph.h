#pragma once
// A graph of up to five curves.
#include <QPointF>
#include <vector>

#include "skin/objects/tcGuiGraph.h"

class tcGuiDynGraph : public tcGuiGraph {
 public:
  static constexpr int kCurves = 5;
  enum { kCurve1 = kBaseColours };

  tcGuiDynGraph(tcBench* bench, int id, const tcString& name);
  ~tcGuiDynGraph() override;

  uint32_t curve_colour(int i) const { return curves_[i]; }
  // A curve as points in axis values (x, y); an empty one is not drawn.
  void set_curve(int i, std::vector<QPointF> points);
  const std::vector<QPointF>& curve(int i) const { return points_[i]; }
  void draw_curves(QPainter& painter) override;

  static const tcXmlData::AttrRow kColourAttrs[];

 protected:
  void set_colour(int arg, uint32_t colour) override;

 private:
  std::vector<QPointF> points_[kCurves];
  uint32_t curves_[kCurves] = {0xFFFFFF00u, 0xFFFF0000u, 0xFF00FFFFu, 0xFF00FF00u, 0xFFFF00FFu};
};
