#include "skin/draggers/tcMBSlideDragger.h"

#include <QPainter>
#include <QPolygon>

#include "skin/draggers/tcDraggerColumns.h"
#include "skin/objects/tcGuiApGraph.h"

namespace {
constexpr QRgb kLineColour = 0xA00080FFu;
}  // namespace

tcMBSlideDragger::tcMBSlideDragger(tcGuiApGraph* graph, QObject* parent)
    : tcDraggerAdjusterBase(graph, tcDraggerColumns::kThirdOctaves, tcDraggerAdjusters::kFlat,
                            parent) {
  place();
}

tcMBSlideDragger::~tcMBSlideDragger() = default;

void tcMBSlideDragger::place() {
  if (graph()) xs_ = tcDraggerColumns::third_octave_positions(graph()->x_axis());
}

void tcMBSlideDragger::draw_curves(QPainter& p) {
  QPolygon line(adj_.count());
  for (int i = 0; i < adj_.count(); ++i) line[i] = QPoint(xs_[i], adj_.at(i).height);
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor::fromRgba(kLineColour), 1.5));
  p.drawPolyline(line);
  p.restore();
}

int tcMBSlideDragger::left_press(int x, int y) {
  tcGuiGraphDragger::left_press(x, y);
  if (graph() && graph()->disabled()) {
    stop_drag();
    return 0;
  }
  return begin_drag(x) ? kRepaint : 0;
}

int tcMBSlideDragger::hover(int x, int) {
  return adj_.select(zone_at(x)) ? kRepaint : 0;
}
