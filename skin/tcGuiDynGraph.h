#pragma once
// A graph of up to five curves.
#include "skin/tcGuiGraph.h"

class tcGuiDynGraph : public tcGuiGraph {
 public:
  static constexpr int kCurves = 5;
  enum { kCurve1 = kBaseColours };

  tcGuiDynGraph(tcBench* bench, int id, const tcString& name);
  ~tcGuiDynGraph() override;

  uint32_t curve_colour(int i) const { return curves_[i]; }

  static const tcXmlData::AttrRow kColourAttrs[];

 protected:
  void set_colour(int arg, uint32_t colour) override;

 private:
  uint32_t curves_[kCurves] = {0xFFFFFF00u, 0xFFFF0000u, 0xFF00FFFFu, 0xFF00FF00u, 0xFFFF00FFu};
};
