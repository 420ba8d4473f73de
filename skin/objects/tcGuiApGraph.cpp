#include "skin/objects/tcGuiApGraph.h"

#include <QPainter>

#include "skin/objects/tcGuiGraphDragger.h"

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

void tcGuiApGraph::plot_resized() {
  for (const auto& d : draggers_) {
    if (d) d->set_plot_size(x_axis().size, y_axis().size);
  }
}

void tcGuiApGraph::set_dragger(int slot, tcGuiGraphDragger* dragger) {
  if (slot < 0 || slot > 1) return;
  draggers_[slot] = dragger;
  if (dragger) dragger->set_plot_size(x_axis().size, y_axis().size);
  repaint();
}

tcGuiGraphDragger* tcGuiApGraph::dragger(int slot) const {
  return slot >= 0 && slot <= 1 ? draggers_[slot].data() : nullptr;
}

void tcGuiApGraph::set_mode(int mode) {
  if (mode == mode_) return;
  mode_ = mode;
  repaint();
}

tcGuiGraphDragger* tcGuiApGraph::active_dragger() const {
  if ((mode_ & 1) && draggers_[1]) return draggers_[1];
  return draggers_[0];
}

QPoint tcGuiApGraph::to_plot(int x, int y) const {
  const QRect plot = plot_rect();
  return QPoint(x - x_ - plot.x(), y - y_ - plot.y());
}

void tcGuiApGraph::answer(int bits) {
  if (bits & tcGuiGraphDragger::kChanged) changed_ = true;
  if (bits & tcGuiGraphDragger::kRepaint) repaint();
}

bool tcGuiApGraph::left_press(int x, int y) {
  if (blocked()) return false;
  const QPoint p = to_plot(x, y);
  // Beside the plot (the gutters) the first dragger always takes the press.
  tcGuiGraphDragger* d =
      p.x() < 0 || p.x() >= x_axis().size ? draggers_[0].data() : active_dragger();
  if (!d) return false;
  captured_ = d;
  pressed_ = true;
  last_x_ = x;
  last_y_ = y;
  answer(d->left_press(p.x(), p.y()));
  return true;
}

void tcGuiApGraph::drag(int x, int y, int modifiers) {
  if (!pressed_ || !captured_ || blocked()) return;
  const int dx = x - last_x_;
  const int dy = y - last_y_;
  last_x_ = x;
  last_y_ = y;
  if (dx != 0 || dy != 0) answer(captured_->drag(dx, dy, modifiers));
}

void tcGuiApGraph::release(int x, int y) {
  pressed_ = false;
  tcGuiGraphDragger* d = captured_;
  captured_ = nullptr;
  if (!d) return;
  const QPoint p = to_plot(x, y);
  answer(d->release(p.x(), p.y()));
}

bool tcGuiApGraph::right_press(int x, int y) {
  tcGuiGraphDragger* d = active_dragger();
  if (!d || blocked()) return false;
  const QPoint p = to_plot(x, y);
  captured_ = d;
  answer(d->right_press(p.x(), p.y()));
  return true;
}

void tcGuiApGraph::hover(int x, int y) {
  const bool over = hit_test(x, y);
  const bool was = hover_;
  if (over != was) {
    hover_ = over;
    repaint();
  }
  tcGuiGraphDragger* d = active_dragger();
  if (!d) return;
  if (over) {
    const QPoint p = to_plot(x, y);
    answer(d->hover(p.x(), p.y()));
  } else if (was) {
    answer(d->leave());
  }
}

void tcGuiApGraph::wheel(int step, int modifiers) {
  tcGuiGraphDragger* d = active_dragger();
  if (d && !blocked()) answer(d->wheel(step, modifiers));
}

void tcGuiApGraph::double_click(int x, int y) {
  tcGuiGraphDragger* d = active_dragger();
  if (!d || blocked()) return;
  const QPoint p = to_plot(x, y);
  answer(d->double_click(p.x(), p.y()));
}

void tcGuiApGraph::draw_background(QPainter& painter) {
  tcGuiGraph::draw_background(painter);
  if (tcGuiGraphDragger* d = active_dragger()) d->draw_background(painter);
}

void tcGuiApGraph::draw_curves(QPainter& painter) {
  if (tcGuiGraphDragger* d = active_dragger()) d->draw_curves(painter);
}

void tcGuiApGraph::draw_handles(QPainter& painter) {
  if (tcGuiGraphDragger* d = active_dragger()) d->draw_handles(painter);
}
