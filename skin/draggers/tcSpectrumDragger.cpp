#include "skin/draggers/tcSpectrumDragger.h"

#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiObject.h"

tcSpectrumDragger::tcSpectrumDragger(tcGuiApGraph* graph, QObject* parent)
    : tcGuiGraphDragger(graph, parent) {}

tcSpectrumDragger::~tcSpectrumDragger() = default;

void tcSpectrumDragger::draw_curves(QPainter& p) {
  if (layer_) layer_(p);
}

int tcSpectrumDragger::left_press(int x, int y) {
  tcGuiGraphDragger::left_press(x, y);
  held_ = !(graph() && graph()->disabled());
  return 0;
}

int tcSpectrumDragger::release(int, int) {
  held_ = false;
  return 0;
}

int tcSpectrumDragger::drag(int dx, int dy, int) {
  if (held_ && (dx || dy)) emit sig_shift(dx, dy);
  return 0;
}

int tcSpectrumDragger::wheel(int step, int modifiers) {
  if (graph() && graph()->disabled()) return 0;
  const int shift = step * kWheelShift * ((modifiers & tcGuiObject::kShift) ? 5 : 1);
  if (shift) emit sig_shift(0, -shift);
  return 0;
}
