#include "skin/objects/tcGuiGraphDragger.h"

#include "skin/objects/tcBench.h"
#include "skin/objects/tcGuiApGraph.h"

tcGuiGraphDragger::tcGuiGraphDragger(tcGuiApGraph* graph, QObject* parent)
    : QObject(parent), graph_(graph) {
  if (graph_) {
    plot_w_ = graph_->x_axis().size;
    plot_h_ = graph_->y_axis().size;
  }
}

tcGuiGraphDragger::~tcGuiGraphDragger() = default;

void tcGuiGraphDragger::set_plot_size(int width, int height) {
  plot_w_ = width;
  plot_h_ = height;
}

void tcGuiGraphDragger::draw_background(QPainter&) {}
void tcGuiGraphDragger::draw_curves(QPainter&) {}
void tcGuiGraphDragger::draw_handles(QPainter&) {}

int tcGuiGraphDragger::left_press(int x, int y) {
  left_pos_ = QPoint(x, y);
  return 0;
}

int tcGuiGraphDragger::double_click(int, int) {
  return 0;
}

int tcGuiGraphDragger::right_press(int x, int y) {
  right_pos_ = QPoint(x, y);
  return 0;
}

int tcGuiGraphDragger::release(int, int) {
  return 0;
}
int tcGuiGraphDragger::drag(int, int, int) {
  return 0;
}
int tcGuiGraphDragger::hover(int, int) {
  return 0;
}
int tcGuiGraphDragger::wheel(int, int) {
  return 0;
}
int tcGuiGraphDragger::leave() {
  return 0;
}

void tcGuiGraphDragger::request_repaint() const {
  if (graph_ && graph_->visible() && graph_->bench()) graph_->bench()->invalidate(graph_->area());
}
