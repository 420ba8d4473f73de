#pragma once
// A processing-curve plot on a bench of its own, with the console's live sets
// and change records behind it, for the dragger tests.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "params/tcChangeRouter.h"
#include "params/tcLiveSettings.h"
#include "skin/objects/tcBench.h"
#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiGraphDragger.h"

class tcDraggerBench : public tcBench {
 public:
  const StateRow* state_table() const override { return nullptr; }
};

struct tcDraggerWorld {
  tcLiveSettingsDirty send{1};
  tcLiveSettingsDirty panel{1};
  tcGlobalsDirty gsend;
  tcGlobalsDirty gpanel;
  tcChangeRouter router{send, panel, gsend, gpanel};
  tcLiveSettings live{&tcChangeRouter::on_settings, &router};
  tcDraggerBench bench;
  tcGuiApGraph graph{&bench, bench.next_object_id(), tcString("GRAPH")};

  // A 20 Hz to 20 kHz log x axis, and a y axis counted from its maximum.
  tcDraggerWorld(int width, int height, float y_min, float y_max) {
    graph.x_axis() = {tcGuiGraph::kLog, width, 20.0f, 20000.0f};
    graph.y_axis() = {tcGuiGraph::kLinearFromMax, height, y_min, y_max};
  }
  SETTINGS& set() { return *live.current(); }
};

// The three layers into a black image of the plot's size.
inline QImage tcRenderLayers(tcGuiGraphDragger& d) {
  QImage img(d.plot_width(), d.plot_height() + 1, QImage::Format_ARGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  d.draw_background(p);
  d.draw_curves(p);
  d.draw_handles(p);
  p.end();
  return img;
}

inline bool tcNearColour(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}
