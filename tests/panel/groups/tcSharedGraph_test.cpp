// Borrowing the shared graph: what a page finds comes back when it is done,
// unless another page has taken the graph since.
#include "panel/groups/tcSharedGraph.h"

#include <gtest/gtest.h>

#include "skin/draggers/tcSpectrumDragger.h"
#include "tests/panel/groups/tcPageWorld.h"

namespace {

tcSharedGraph::Scale scale(float top, const char* title) {
  return tcSharedGraph::Scale{{tcGuiGraph::kLog, 20.0f, 20000.0f},
                              {tcGuiGraph::kLinearFromMax, -top, top},
                              {{0.0f, "0"}},
                              title,
                              "dB"};
}

TEST(SharedGraph, GivesBackWhatItFoundUnlessAnotherPageTookTheGraph) {
  tcPageWorld world;
  world.bench()->select_page(tcAPBench::kPageSystem);
  tcGuiApGraph* graph = world.graph();
  ASSERT_NE(graph, nullptr);
  tcSpectrumDragger own(graph);
  graph->set_dragger(0, &own);
  graph->set_titles("Spectrum", "");
  const tcGuiGraphDragger* second_slot = graph->dragger(1);
  const float top = graph->y_axis().maximum;

  tcSpectrumDragger first_dragger(graph), second_dragger(graph);
  tcSharedGraph first(world.bench()), second(world.bench());
  first.borrow(&first_dragger, scale(10.0f, "one"));
  first.borrow(&first_dragger, scale(12.0f, "one again"));  // a change while borrowed
  EXPECT_EQ(graph->dragger(0), &first_dragger);
  EXPECT_EQ(graph->dragger(1), &first_dragger);
  EXPECT_FLOAT_EQ(graph->y_axis().maximum, 12.0f);
  first.give_back();
  EXPECT_EQ(graph->dragger(0), &own);
  EXPECT_EQ(graph->dragger(1), second_slot);
  EXPECT_EQ(graph->title(), "Spectrum");
  EXPECT_FLOAT_EQ(graph->y_axis().maximum, top);
  EXPECT_TRUE(graph->marks(false).empty());

  // The second page takes the graph while the first still holds it: the
  // first's give-back leaves it with the second.
  first.borrow(&first_dragger, scale(10.0f, "one"));
  second.borrow(&second_dragger, scale(6.0f, "two"));
  first.give_back();
  EXPECT_EQ(graph->dragger(0), &second_dragger);
  EXPECT_EQ(graph->title(), "two");
}

}  // namespace
