#pragma once
// Columns of the band draggers: the fixed third-octave frequencies of the
// multiband blocks, their plot positions, and the zone a pointer falls in.
#include <vector>

#include "skin/objects/tcGuiGraph.h"

class tcDraggerColumns {
 public:
  static constexpr int kThirdOctaves = 31;
  // 320, 640, 1280, 3200 and 6400 Hz are the processor's own band centres.
  static const float kThirdOctaveHz[kThirdOctaves];

  // Plot x of each third-octave frequency on an x axis.
  static std::vector<int> third_octave_positions(const tcGuiGraph::Axis& x_axis);
  // The column whose zone holds x: zones are bounded by the midpoints between
  // neighbouring positions, the first from 0 and the last to the plot width.
  // -1 when there are no columns or x lies outside [0, width].
  static int zone_of(int x, const std::vector<int>& positions, int width);
};
