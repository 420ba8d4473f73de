#include "panel/groups/tcSharedGraph.h"

#include "panel/framework/tcAPBench.h"
#include "skin/objects/tcGuiGraphDragger.h"

tcSharedGraph::tcSharedGraph(tcAPBench* bench) : graph_(bench ? bench->main_graph() : nullptr) {}

tcSharedGraph::~tcSharedGraph() {
  give_back();
}

void tcSharedGraph::apply(tcGuiApGraph* graph, const Scale& scale) {
  graph->set_axis(true, scale.x.kind, scale.x.minimum, scale.x.maximum);
  graph->set_axis(false, scale.y.kind, scale.y.minimum, scale.y.maximum);
  graph->set_marks(false, scale.y_marks);
  graph->set_titles(scale.title, scale.y_title);
}

void tcSharedGraph::save() {
  if (borrowed_) return;
  const tcGuiGraph::Axis& x = graph_->x_axis();
  const tcGuiGraph::Axis& y = graph_->y_axis();
  saved_ = Scale{{x.kind, x.minimum, x.maximum},
                 {y.kind, y.minimum, y.maximum},
                 graph_->marks(false),
                 graph_->title(),
                 graph_->y_title()};
  for (int slot = 0; slot < 2; ++slot) saved_draggers_[slot] = graph_->dragger(slot);
  borrowed_ = true;
}

void tcSharedGraph::lend(tcGuiGraphDragger* dragger) {
  lent_ = dragger;
  // Both slots, so the graph's mode does not matter to the page.
  graph_->set_dragger(0, dragger);
  graph_->set_dragger(1, dragger);
}

void tcSharedGraph::borrow(tcGuiGraphDragger* dragger, const Scale& scale) {
  if (!graph_) return;
  save();
  // The scale first: the dragger places its handles on the new axes.
  apply(graph_, scale);
  lend(dragger);
}

void tcSharedGraph::borrow(tcGuiGraphDragger* dragger) {
  if (!graph_) return;
  save();
  lend(dragger);
}

void tcSharedGraph::give_back() {
  if (!borrowed_ || !graph_) return;
  borrowed_ = false;
  // Another page that took the graph since keeps it.
  if (graph_->dragger(0) != lent_) return;
  apply(graph_, saved_);
  for (int slot = 0; slot < 2; ++slot) graph_->set_dragger(slot, saved_draggers_[slot]);
  lent_ = nullptr;
}

void tcSharedGraph::set_title(const QString& title) {
  if (borrowed_ && graph_) graph_->set_titles(title, graph_->y_title());
}
