#pragma once
// The plot of the graphs: an area with gutters, axis colours, and an x and a
// y axis that map values to pixels and back. Graph draggers attach to it.
#include "skin/tcGuiObject.h"

class tcGuiGraph : public tcGuiObject {
 public:
  enum Colour { kPlotBg, kGutterFg, kGutterBg, kAxisMajor, kAxisMinor };
  static constexpr int kBaseColours = kAxisMinor + 1;
  // Axis kinds: 0 linear counted from the maximum end, 1 logarithmic, 2 linear
  // counted from the minimum end.
  enum AxisKind { kLinearFromMax, kLog, kLinearFromMin };
  struct Axis {
    int kind = kLinearFromMin;
    int size = 0;
    float minimum = 0.0f;
    float maximum = 1.0f;
  };

  ~tcGuiGraph() override;

  static int to_pixel(const Axis& axis, float v);
  static float to_value(const Axis& axis, int p);

  Axis& x_axis() { return x_axis_; }
  Axis& y_axis() { return y_axis_; }
  const Axis& x_axis() const { return x_axis_; }
  const Axis& y_axis() const { return y_axis_; }
  uint32_t colour(int which) const { return colours_[which]; }

 protected:
  tcGuiGraph(tcBench* bench, int kind, int id, const tcString& name);
  // The colour of a `color` attribute of the graph; arg counts from kPlotBg.
  virtual void set_colour(int arg, uint32_t colour);
  static void colour_setter(tcXmlData& x, const char* value, int arg);

 private:
  Axis x_axis_;
  Axis y_axis_;
  uint32_t colours_[kBaseColours] = {0xFF000000u, 0xFFC0C0C0u, 0xFF202020u, 0xFF808080u,
                                     0xFF404040u};
};
