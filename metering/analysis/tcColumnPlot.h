#pragma once
// Renders a plot of vertical columns straight into an opaque image, one pass
// over the rows: a column is lit from its top down to the base in the colour
// the strip has on that row, a ghost column (drawn behind) in one colour, and
// the rest shows the ground (the plot's grid and background). One render per
// new frame replaces hundreds of small blits per paint.
#include <QImage>
#include <vector>

class tcColumnPlot {
 public:
  static constexpr int kNone = 1 << 30;  // a top that lights nothing

  // `tops` and `ghost_tops` hold one row per column of `ground` (row 0 is the
  // top; kNone or the height lights nothing); `ghost_tops` may be empty.
  // `strip` is one pixel wide and as high as `ground`. `out` becomes an RGB32
  // image of the ground's size.
  static void render(QImage& out, const QImage& ground, const std::vector<int>& tops,
                     const QImage& strip, const std::vector<int>& ghost_tops = {}, QRgb ghost = 0);
};
