#pragma once
// The band editor of the multiband limiters: 31 level adjusters at the
// third-octave frequencies, linked and dragged like the compressor's.
#include "skin/draggers/tcDraggerAdjusterBase.h"

class tcMBSlideDragger : public tcDraggerAdjusterBase {
  Q_OBJECT

 public:
  explicit tcMBSlideDragger(tcGuiApGraph* graph, QObject* parent = nullptr);
  ~tcMBSlideDragger() override;

  void draw_curves(QPainter& p) override;
  int left_press(int x, int y) override;
  int hover(int x, int y) override;

 protected:
  void place() override;
};
