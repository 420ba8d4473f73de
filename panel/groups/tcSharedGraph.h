#pragma once
// The processing graph that the pages share (the Main group's `GRAPH`). A page
// that edits its block on it borrows it while shown: its dragger takes the
// pointer and draws, and its scale (axes, marks, titles) replaces the graph's.
// What the page found is given back when it is hidden or destroyed, so the
// graph's own range (the spectrum range the panel keeps) survives the page.
#include <QPointer>
#include <QString>
#include <vector>

#include "skin/objects/tcGuiApGraph.h"

class tcAPBench;
class tcGuiGraphDragger;

class tcSharedGraph {
 public:
  struct AxisScale {
    int kind;
    float minimum;
    float maximum;
  };
  struct Scale {
    AxisScale x;
    AxisScale y;
    std::vector<tcGuiGraph::Mark> y_marks;
    QString title;
    QString y_title;
  };

  explicit tcSharedGraph(tcAPBench* bench);
  ~tcSharedGraph();
  tcSharedGraph(const tcSharedGraph&) = delete;
  tcSharedGraph& operator=(const tcSharedGraph&) = delete;

  // The shared graph; none when the skin has no `GRAPH`.
  tcGuiApGraph* graph() const { return graph_; }
  bool borrowed() const { return borrowed_; }

  // Puts the dragger and the scale on the graph; while borrowed a new call
  // only changes them.
  void borrow(tcGuiGraphDragger* dragger, const Scale& scale);
  // The same for a dragger that sets the graph's scale itself.
  void borrow(tcGuiGraphDragger* dragger);
  // Gives back what the graph had before the borrow.
  void give_back();
  // The title alone, while borrowed (readings shown in it change often).
  void set_title(const QString& title);

 private:
  static void apply(tcGuiApGraph* graph, const Scale& scale);
  // Keeps what the graph has, the first time only.
  void save();
  void lend(tcGuiGraphDragger* dragger);

  tcGuiApGraph* const graph_;
  bool borrowed_ = false;
  Scale saved_;
  QPointer<tcGuiGraphDragger> saved_draggers_[2];
  QPointer<tcGuiGraphDragger> lent_;
};
