#include "skin/tcGuiDynGraph.h"

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
