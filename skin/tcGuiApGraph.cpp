#include "skin/tcGuiApGraph.h"

const tcXmlData::AttrRow tcGuiApGraph::kColourAttrs[] = {
    {"plot_bg", kPlotBg, &tcGuiGraph::colour_setter},
    {"gutter_fg", kGutterFg, &tcGuiGraph::colour_setter},
    {"gutter_bg", kGutterBg, &tcGuiGraph::colour_setter},
    {"axis_major", kAxisMajor, &tcGuiGraph::colour_setter},
    {"axis_minor", kAxisMinor, &tcGuiGraph::colour_setter},
    {"audio", kAudio, &tcGuiGraph::colour_setter},
    {nullptr, 0, nullptr},
};

tcGuiApGraph::tcGuiApGraph(tcBench* bench, int id, const tcString& name)
    : tcGuiGraph(bench, kApGraph, id, name) {}

tcGuiApGraph::~tcGuiApGraph() = default;

void tcGuiApGraph::set_colour(int arg, uint32_t colour) {
  if (arg == kAudio) {
    audio_ = colour;
  } else {
    tcGuiGraph::set_colour(arg, colour);
  }
}
