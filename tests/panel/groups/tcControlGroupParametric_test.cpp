// The parametric equaliser page on the page test skin: knob pairs and typed
// values, the response graph on the shared graph and its handles, the
// engineering-mode difference equaliser and its view, the position radio
// group, and the flow button that follows the equaliser switch.
#include "panel/groups/tcControlGroupParametric.h"

#include <gtest/gtest.h>

#include <QImage>

#include "params/SETTINGS.h"
#include "skin/draggers/tcPEQDragger.h"
#include "skin/objects/tcDisplayEditDlg.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiDisplay.h"
#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/groups/tcPageWorld.h"
#include "tests/support/tcModalDriver.h"

namespace {

using G = tcControlGroupParametric;

constexpr uint16_t kLevel1 = 0x130E;
constexpr uint16_t kFreq2 = 0x1307;
constexpr int kLevel1Knob = 6004;
constexpr int kLevel1Display = 6016;

class ParametricPage : public ::testing::Test {
 protected:
  explicit ParametricPage(bool guru = false) : world_(guru) {}
  void SetUp() override {
    ASSERT_EQ(world_.setup_result(), 0);
    group_ = world_.group<G>(tcAPBench::kParametric);
    ASSERT_NE(group_, nullptr);
    world_.bench()->select_page(tcAPBench::kPageParametric);
  }
  tcGuiObject* object(int id) const { return group_->findObject(id); }
  const tcPEQDragger::Band& band(int eq, int b) const { return group_->dragger(eq)->band(b); }

  tcPageWorld world_;
  G* group_ = nullptr;
};

class ParametricPageGuru : public ParametricPage {
 protected:
  ParametricPageGuru() : ParametricPage(true) {}
};

TEST_F(ParametricPage, EveryNameFindsAnObjectOfTheKindItsRowsExpect) {
  tcExpectGroupMatchesSkin(*group_, tcGroupKinds(tcAPBench::kParametric));
  // Band n's three knobs are the parameters of band n.
  for (int b = 0; b < G::kBands; ++b) {
    for (int q = 0; q < 3; ++q) {
      const auto* row = group_->knobTable() + 3 * b + q;
      const uint16_t first[] = {0x1306, 0x130A, 0x130E};
      EXPECT_EQ(row->param, static_cast<uint32_t>(first[q] + b));
      EXPECT_EQ(group_->knobForDisplay(static_cast<int>(row->display)),
                static_cast<int>(row->knob));
    }
  }
}

TEST_F(ParametricPage, ANumberTypedIntoALevelDisplaySetsItsRawValueAndTheKnobAndGraphFollow) {
  auto* display = static_cast<tcGuiDisplay*>(object(kLevel1Display));
  EXPECT_TRUE(display->editable());
  on_next_modal<tcDisplayEditDlg>([](tcDisplayEditDlg* dialog) {
    dialog->set_text("12.5");
    dialog->accept();
  });
  QTest::mouseDClick(&world_.host(), Qt::LeftButton, Qt::NoModifier, display->area().center());
  const uint32_t raw = world_.live().eng_to_raw(kLevel1, 12.5f);
  EXPECT_EQ(world_.live().raw(kLevel1), raw);
  EXPECT_FLOAT_EQ(world_.live().eng(kLevel1), 12.5f);
  EXPECT_EQ(object(kLevel1Knob)->value(), static_cast<int>(raw));
  EXPECT_EQ(display->text(), world_.live().format(kLevel1));
  EXPECT_TRUE(world_.sent(kLevel1));
  EXPECT_FLOAT_EQ(band(G::kMain, 0).gain, 12.5f);
}

TEST_F(ParametricPage, AHandleDraggedOnTheGraphMovesTheBandsKnobsToo) {
  tcPEQDragger* d = group_->dragger(G::kMain);
  ASSERT_EQ(world_.graph()->active_dragger(), d);
  const float freq_before = world_.live().eng(kFreq2);
  const QPoint handle = world_.on_plot(d->handle(1).center());
  world_.drag(handle, 30, 0);
  EXPECT_GT(world_.live().eng(kFreq2), freq_before);
  EXPECT_TRUE(world_.sent(kFreq2));
  // Knob, display and band all show the stored value.
  EXPECT_EQ(object(6005)->value(), static_cast<int>(world_.live().raw(kFreq2)));
  EXPECT_EQ(object(6017)->text(), world_.live().format(kFreq2));
  EXPECT_FLOAT_EQ(band(G::kMain, 1).frequency, world_.live().eng(kFreq2));

  // A knob moves the band on the graph.
  world_.drag(object(kLevel1Knob)->area().center(), 0, -4);
  EXPECT_FLOAT_EQ(band(G::kMain, 0).gain, world_.live().eng(kLevel1));

  // The processor changes a band: knob and graph follow, nothing goes back.
  world_.clear_sent();
  world_.from_processor(0x130B, world_.live().raw(0x130B) + 5);
  EXPECT_FLOAT_EQ(band(G::kMain, 1).width, world_.live().eng(0x130B));
  EXPECT_EQ(object(6006)->value(), static_cast<int>(world_.live().raw(0x130B)));
  EXPECT_FALSE(world_.anything_sent());
}

TEST_F(ParametricPage, TheGraphDrawsTheResponseAndIsGivenBackWithThePage) {
  tcGuiApGraph* graph = world_.graph();
  EXPECT_EQ(graph->title(), "Parametric EQ Response");
  EXPECT_EQ(graph->y_title(), "Filter Boost / Cut dB");
  ASSERT_EQ(graph->marks(false).size(), 5u);
  EXPECT_EQ(graph->marks(false).back().label, "+12");

  world_.host().show();
  const QImage shot = world_.host().grab().toImage();
  world_.screenshot("parametric");
  // The sum curve (white in the test skin) runs across the plot.
  const QRect plot = graph->plot_rect().translated(graph->x(), graph->y());
  int columns = 0;
  for (int x = plot.left(); x <= plot.right(); x += 10) {
    for (int y = plot.top(); y <= plot.bottom(); ++y) {
      if (shot.pixel(x, y) == 0xFFFFFFFFu) {
        ++columns;
        break;
      }
    }
  }
  EXPECT_GT(columns, plot.width() / 10 * 2 / 3);

  // Another page gets the graph as it was: the spectrum on its scale.
  world_.bench()->select_page(tcAPBench::kPageInput);
  EXPECT_EQ(graph->active_dragger(), world_.spectrum()->dragger());
  EXPECT_TRUE(graph->title().isEmpty());
  EXPECT_TRUE(graph->marks(false).empty());
  EXPECT_FLOAT_EQ(graph->y_axis().minimum, -48.0f);
  EXPECT_FLOAT_EQ(graph->y_axis().maximum, 0.0f);
}

TEST(ParametricPageClose, ThePanelKeepsTheSpectrumRangeNotTheEqualisersScale) {
  {
    tcPageWorld world;
    world.bench()->select_page(tcAPBench::kPageParametric);
    ASSERT_FLOAT_EQ(world.graph()->y_axis().maximum, 15.0f);
    world.host().set_bench(nullptr);
    // The range the graph had before the page borrowed it.
    EXPECT_EQ(world.options().spectra_range(0), 48);
    EXPECT_EQ(world.options().control_page(), tcAPBench::kPageParametric);
  }
}

TEST_F(ParametricPage, TheDifferenceEqualiserStaysHiddenWithoutEngineeringMode) {
  world_.options().set_deq_view(true);
  world_.bench()->select_page(tcAPBench::kPageInput);
  world_.bench()->select_page(tcAPBench::kPageParametric);
  for (const auto& b : group_->objects()) {
    const bool difference = b.id == G::kDeqEnable || b.id == G::kDeqView || b.id == G::kDeqSynch ||
                            (b.id >= 6033 && b.id <= 6056);
    EXPECT_EQ(b.object->visible(), !difference) << b.name.c_str();
  }
  // The stored view does not show the hidden equaliser.
  EXPECT_EQ(world_.graph()->active_dragger(), group_->dragger(G::kMain));
}

TEST_F(ParametricPageGuru, TheViewSwitchesTheGraphToTheDifferenceEqualiser) {
  for (int id : {int{G::kDeqEnable}, int{G::kDeqView}, int{G::kDeqSynch}, 6033, 6056}) {
    EXPECT_TRUE(object(id)->visible()) << id;
  }
  world_.click(object(G::kDeqView));
  EXPECT_TRUE(world_.options().deq_view());
  EXPECT_EQ(world_.graph()->active_dragger(), group_->dragger(G::kDifference));
  EXPECT_EQ(world_.graph()->title(), "Difference Parametric EQ Response");
  EXPECT_FALSE(world_.anything_sent());

  // Its handles write the difference equaliser.
  tcPEQDragger* d = group_->dragger(G::kDifference);
  const uint32_t before = world_.live().raw(0x1328);
  world_.drag(world_.on_plot(d->handle(0).center()), 0, -20);
  EXPECT_GT(world_.live().raw(0x1328), before);
  EXPECT_EQ(object(6035)->value(), static_cast<int>(world_.live().raw(0x1328)));

  world_.click(object(G::kDeqView));
  EXPECT_FALSE(world_.options().deq_view());
  EXPECT_EQ(world_.graph()->active_dragger(), group_->dragger(G::kMain));
}

TEST_F(ParametricPageGuru, SynchGivesTheDifferenceBandsTheMainFrequenciesAndWidths) {
  SETTINGS& live = world_.live();
  live.set_float(0x1306, 120.0f, kSourceSilent);
  live.set_float(0x130A, 2.0f, kSourceSilent);
  live.set_float(0x130E, 9.0f, kSourceSilent);
  world_.click(object(G::kDeqSynch));
  for (int b = 0; b < G::kBands; ++b) {
    EXPECT_FLOAT_EQ(live.eng(0x1320 + b), live.eng(0x1306 + b)) << b;
    EXPECT_FLOAT_EQ(live.eng(0x1324 + b), live.eng(0x130A + b)) << b;
    EXPECT_FLOAT_EQ(band(G::kDifference, b).frequency, live.eng(0x1320 + b)) << b;
  }
  EXPECT_TRUE(world_.sent(0x1320));
  EXPECT_FLOAT_EQ(live.eng(0x1328), 0.0f);  // levels stay
  EXPECT_EQ(object(6033)->value(), static_cast<int>(live.raw(0x1320)));

  // A skin may draw it as a check box: while on, the difference bands follow
  // the main bands' frequency and width edits, not their levels.
  group_->setSwitch(G::kDeqSynch, 1);
  world_.drag(object(6005)->area().center(), 0, -3);
  EXPECT_EQ(live.raw(0x1321), live.raw(0x1307));
  world_.drag(object(6007)->area().center(), 0, -3);
  EXPECT_FLOAT_EQ(live.eng(0x1329), 0.0f);
  group_->setSwitch(G::kDeqSynch, 0);
  world_.drag(object(6005)->area().center(), 0, -3);
  EXPECT_NE(live.raw(0x1321), live.raw(0x1307));
}

TEST_F(ParametricPage, TheSwitchAndPositionWriteTheirParametersAndTheFlowButtonFollows) {
  auto* flow = static_cast<tcGuiButton*>(
      world_.bench()->main_group()->findObject(tcControlGroupMain::kFlowPeq));
  EXPECT_EQ(flow->display_state(), 3);  // shown, section off
  world_.click(object(G::kPeqEnable));
  EXPECT_EQ(world_.live().bool_value(0x1301), 1);
  EXPECT_EQ(flow->display_state(), 1);  // shown, section on

  world_.click(world_.named("PEQ_POS_PST"));
  EXPECT_EQ(world_.live().int_value(G::kPositionParam), 1u);
  EXPECT_TRUE(world_.sent(G::kPositionParam));
  world_.clear_sent();
  world_.click(world_.named("PEQ_POS_PST"));
  group_->onRadioSelected(G::kPeqPosition, 5);
  EXPECT_FALSE(world_.anything_sent());
  world_.from_processor(G::kPositionParam, 0);
  EXPECT_EQ(object(G::kPeqPosition)->value(), 0);
}

}  // namespace
