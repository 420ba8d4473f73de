#pragma once
// The processing-curve plot: the graph draggers of the control groups draw on
// it and take its pointer input.
#include "skin/tcGuiGraph.h"

class tcGuiApGraph : public tcGuiGraph {
 public:
  enum { kAudio = kBaseColours };

  tcGuiApGraph(tcBench* bench, int id, const tcString& name);
  ~tcGuiApGraph() override;

  bool accepts_right() const override { return true; }
  bool accepts_wheel() const override { return true; }
  bool accepts_double_click() const override { return true; }
  bool accepts_hover() const override { return true; }

  uint32_t audio_colour() const { return audio_; }

  static const tcXmlData::AttrRow kColourAttrs[];

 protected:
  void set_colour(int arg, uint32_t colour) override;

 private:
  uint32_t audio_ = 0xFF00FF00u;
};
