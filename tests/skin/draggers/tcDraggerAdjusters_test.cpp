#include "skin/draggers/tcDraggerAdjusters.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "skin/objects/tcGuiGraphDragger.h"

namespace {
// A row on a 0..100 axis counted from the minimum end: height equals value.
// Raw values are whole units, so values snap to integers.
struct Row {
  tcGuiGraph::Axis axis{tcGuiGraph::kLinearFromMin, 100, 0.0f, 100.0f};
  tcDraggerAdjusters adj;
  std::vector<std::pair<int, uint32_t>> writes;

  explicit Row(const char* links) : adj(static_cast<int>(std::string(links).size())) {
    adj.set_axis(&axis);
    adj.set_plot_height(100);
    tcDraggerBandOps ops;
    ops.to_raw = [](int, float v) { return static_cast<uint32_t>(v + 0.5f); };
    ops.to_value = [](int, uint32_t raw) { return static_cast<float>(raw); };
    ops.write = [this](int band, uint32_t raw) { writes.emplace_back(band, raw); };
    adj.set_ops(ops);
    for (int i = 0; i < adj.count(); ++i) {
      adj.set_value(i, 50.0f);
      if (links[i] == 'L') adj.toggle_independent(i);
    }
  }
  // 'I' independent, 'L' linked.
  std::string links() const {
    std::string s;
    for (int i = 0; i < adj.count(); ++i) s += adj.at(i).independent ? 'I' : 'L';
    return s;
  }
  std::vector<int> heights() const {
    std::vector<int> h;
    for (int i = 0; i < adj.count(); ++i) h.push_back(adj.at(i).height);
    return h;
  }
  int drag(int selected, int d) {
    adj.select(selected);
    adj.store_press();
    return adj.move_selected(adj.at(selected).press_height + d);
  }
};
}  // namespace

TEST(tcDraggerAdjusters, GroupWalkLeavesTheRunEndsIndependentAsAnchors) {
  Row r("LIIIL");
  r.adj.select(2);
  r.adj.group();
  EXPECT_EQ(r.links(), "LILIL");

  Row free_row("IIIII");
  free_row.adj.select(2);
  free_row.adj.group();
  EXPECT_EQ(free_row.links(), "LLLLL");  // the row's ends join when the walk reaches them

  Row wide("LIIIIIIL");
  wide.adj.select(3);
  wide.adj.group();
  EXPECT_EQ(wide.links(), "LILLLLIL");

  Row linked("ILLLI");
  linked.adj.select(2);
  linked.adj.group();  // only an independent adjuster starts a group
  EXPECT_EQ(linked.links(), "ILLLI");
}

TEST(tcDraggerAdjusters, UngroupFreesTheWholeGroup) {
  Row r("LLLILL");
  r.adj.select(1);
  r.adj.ungroup();
  EXPECT_EQ(r.links(), "IIIILL");
  r.adj.select(0);
  r.adj.ungroup();  // already independent
  EXPECT_EQ(r.links(), "IIIILL");
}

TEST(tcDraggerAdjusters, ProportionalDragTapersTowardTheAnchor) {
  Row r("ILLLLLI");
  EXPECT_EQ(r.drag(3, 12), tcGuiGraphDragger::kRepaint | tcGuiGraphDragger::kChanged);
  // Runs of two on each side, bounded: 2 x 12 / 3 = 8 next to it, then 4; anchors stay.
  EXPECT_EQ(r.heights(), (std::vector<int>{50, 54, 58, 62, 58, 54, 50}));
  EXPECT_FLOAT_EQ(r.adj.at(2).value, 58.0f);
  EXPECT_EQ(r.writes.size(), 5u);
  // Upwards from there the half is added before truncation toward zero: -15.5
  // gives -15, -7.5 gives -7.
  EXPECT_EQ(r.drag(3, -24), 3);
  EXPECT_EQ(r.heights(), (std::vector<int>{50, 47, 43, 38, 43, 47, 50}));
  // A run that reaches the end of the row moves with the full distance.
  Row open_end("LLLI");
  open_end.drag(2, 9);
  EXPECT_EQ(open_end.heights(), (std::vector<int>{59, 59, 59, 50}));
}

TEST(tcDraggerAdjusters, FlatDragMovesTheRunTogether) {
  Row r("ILLLLLI");
  r.adj.set_mode(tcDraggerAdjusters::kFlat);
  r.drag(3, 12);
  EXPECT_EQ(r.heights(), (std::vector<int>{50, 62, 62, 62, 62, 62, 50}));
  // An independent adjuster moves alone, held to the plot.
  Row alone("ILI");
  alone.drag(0, 500);
  EXPECT_EQ(alone.heights(), (std::vector<int>{100, 50, 50}));
  EXPECT_EQ(alone.writes, (std::vector<std::pair<int, uint32_t>>{{0, 100}}));
}

TEST(tcDraggerAdjusters, UnchangedValuesAreNotWritten) {
  Row r("LLL");
  tcDraggerBandOps coarse;  // steps of ten units
  coarse.to_raw = [](int, float v) { return static_cast<uint32_t>(v / 10.0f + 0.5f); };
  coarse.to_value = [](int, uint32_t raw) { return raw * 10.0f; };
  coarse.write = [&r](int band, uint32_t raw) { r.writes.emplace_back(band, raw); };
  r.adj.set_ops(coarse);
  EXPECT_EQ(r.drag(1, 2), tcGuiGraphDragger::kRepaint);  // 52 still snaps to 50
  EXPECT_TRUE(r.writes.empty());
  EXPECT_EQ(r.drag(1, 7), 3);
  EXPECT_EQ(r.writes.size(), 3u);
  EXPECT_FLOAT_EQ(r.adj.at(0).value, 60.0f);
}

TEST(tcDraggerAdjusters, FlattenGivesTheGroupTheSelectedValue) {
  Row r("ILLLI");
  r.adj.set_value(2, 70.0f);
  r.adj.select(2);
  EXPECT_TRUE(r.adj.flatten());
  EXPECT_EQ(r.heights(), (std::vector<int>{50, 70, 70, 70, 50}));
  EXPECT_EQ(r.writes, (std::vector<std::pair<int, uint32_t>>{{1, 70}, {3, 70}}));
  r.adj.select(0);
  EXPECT_FALSE(r.adj.flatten());
}
