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

  // What a view rendered last, and for which frame and backdrop.
  struct Frame {
    QImage image;
    std::vector<int> tops;
    int frame = -1;
    int ground = -1;
    // True (and noted) when the view's frame count, backdrop version or plot
    // size differ from the rendered ones: the image must be rendered again.
    bool renew(int frames, int ground_version, const QSize& size) {
      if (frames == frame && ground_version == ground && image.size() == size) return false;
      frame = frames;
      ground = ground_version;
      return true;
    }
    void forget() { frame = ground = -1; }
  };

  // `tops` and `ghost_tops` hold one row per column of `ground` (row 0 is the
  // top; kNone or the height lights nothing); `ghost_tops` may be empty.
  // `strip` is one pixel wide and as high as `ground`. `out` becomes an RGB32
  // image of the ground's size.
  static void render(QImage& out, const QImage& ground, const std::vector<int>& tops,
                     const QImage& strip, const std::vector<int>& ghost_tops = {}, QRgb ghost = 0);
};
