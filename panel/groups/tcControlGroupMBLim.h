#pragma once
// What the two output limiter pages share: their tables, lists and check
// boxes, and the multiband limiter's band graph. A radio group chooses the
// band quantity the graph shows: one of the per-band parameter blocks (31
// third-octave bands each), the band switch rows, the output equaliser, or
// the automatic equaliser that only the meter records tell. The page draws on
// a graph of its own when the skin has one, else on the panel's shared graph,
// which it takes over while it is shown.
#include <memory>
#include <vector>

#include "panel/framework/tcControlGroup.h"
#include "panel/framework/tcRadioTable.h"
#include "panel/groups/tcMBLimGraph.h"
#include "panel/groups/tcPageSetup.h"
#include "panel/groups/tcSharedGraph.h"

class tcControlGroupMBLim : public tcControlGroup {
  Q_OBJECT

 public:
  // Numbers of the band quantities, as the radio items stand for them.
  enum QuantityNumber {
    kThreshold = 0,
    kAttack = 1,
    kRelease = 2,
    kCoupling = 3,
    kEq = 4,
    kAutoEq = 5,
  };

  // A band quantity the graph shows, chosen by a radio item.
  struct Quantity {
    int item;  // control id of the radio item; 0 ends a table
    int number;
    tcMBLimGraph::Editor editor;
    const char* name;
    uint16_t first;  // band 0's parameter (adjusters) or the switch row's base
    const char* const* marks;
  };
  struct Layout {
    int type_group;  // the radio group of the quantities
    const Quantity* quantities;
    tcMBLimGraph::EqIds eq;
    uint16_t coupling;  // the coupling parameter (0: none); non-zero shows "Coupling Active"
    int own_graph;      // control id of the page's own graph (0: none)
    const tcListItems* lists;
  };

  // Scale marks of the quantities.
  static const char* const kThresholdMarks[];
  static const char* const kAttackMarks[];
  static const char* const kReleaseMarks[];
  static const char* const kEqMarks[];
  // The y axis of the equaliser views, in dB.
  static constexpr float kEqRangeDb = 12.0f;

  ~tcControlGroupMBLim() override;

  // Tables, lists, then the graph and its quantity selection.
  void refreshAll() override;
  void onParameterChanged(uint16_t id, int set_index) override;
  void afterShow() override;
  void setSwitch(int id, int state) override;
  void onListStep(int id, int n) override;
  void onRadioSelected(int id, int index) override;
  void fillListItems(int id) override;
  // The page's own graph, else the panel's shared one; none without either.
  tcGuiApGraph* graph() const override { return graph_; }
  void onGraphReadings(const tcGraphReadings& readings) override;

  // The number of the quantity shown.
  int quantity() const { return quantities_[current_].number; }
  // Shows a quantity by its number; an unknown number changes nothing.
  void selectQuantity(int number);
  // None without a graph.
  tcMBLimGraph* bandGraph() const { return view_.get(); }

 protected:
  tcControlGroupMBLim(tcAPBench* bench, const NameRow* names, const Layout& layout);
  // After the subclass has set its tables: the lists get their items and every
  // control its value.
  void setUpPage();
  // A repaint of the graph's area.
  void repaintGraph() const;
  // "Coupling Active" follows the coupling parameter.
  void showCoupling();

 private:
  const Quantity& shown() const { return quantities_[current_]; }
  tcGuiApGraph* findGraph() const;
  void showQuantity();
  // Values of the band graph's editors from the live set.
  void refreshGraph();
  bool inBands(uint16_t id) const;
  // The band graph's editors on the graph: the page's own, or the shared one
  // while the page is shown.
  void borrowGraph();
  void giveGraphBack();

  const Layout layout_;
  tcGuiApGraph* const graph_;
  const bool owns_graph_;  // a graph of the page's own, else the shared one
  std::vector<Quantity> quantities_;
  std::vector<tcRadioRow> type_rows_;
  size_t current_ = 0;
  std::unique_ptr<tcMBLimGraph> view_;
  std::unique_ptr<tcSharedGraph> shared_;  // none with a graph of the page's own
};
