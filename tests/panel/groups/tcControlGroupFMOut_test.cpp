// The FM output page on the page test skin: its bindings, the output delay
// sliders, the coupling bits, the emphasis choices and the flow button, driven
// by real mouse events.
#include "panel/groups/tcControlGroupFMOut.h"

#include <gtest/gtest.h>

#include "panel/groups/tcControlGroupMain.h"
#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiKnob.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "skin/objects/tcGuiRadioItem.h"
#include "skin/objects/tcGuiSlider.h"
#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/groups/tcPagesWorld.h"

namespace {

using G = tcControlGroupFMOut;

class FmOutPage : public tcPageTest<G> {
 protected:
  FmOutPage() : tcPageTest(tcAPBench::kPageFmOut, tcAPBench::kFmOut) {}
  tcGuiSlider* slider(int id) { return static_cast<tcGuiSlider*>(object(id)); }
  uint32_t delay() { return world_.stores().globals().int_value(G::kDelayGlobal); }
  // A drag of a horizontal slider from its thumb by dx pixels.
  void slide(int id, int dx) {
    tcGuiSlider* s = slider(id);
    const QPoint thumb(s->x() + s->thumb_of(s->value()), s->area().center().y());
    world_.drag(thumb, thumb + QPoint(dx, 0));
  }
};

TEST_F(FmOutPage, EveryNameOfTheTableIsInTheSkinWithItsKind) {
  tcExpectGroupMatchesSkin(*group_, tcGroupKinds(tcAPBench::kFmOut));
}

TEST_F(FmOutPage, AListIndexIsTheValueLessItsMinimum) {
  // 0x1606 runs from 1: its index is the value less its minimum.
  live().set_int(0x1606, 3, kSourceProcessor);
  world_.bench()->parameter_changed(0x1606, 0);
  EXPECT_EQ(static_cast<tcGuiCombo*>(object(G::kLimClip))->index(), 2);
  static_cast<tcGuiCombo*>(object(G::kLimClip))->step(-1);
  EXPECT_EQ(live().int_value(0x1606), 2u);
  EXPECT_TRUE(world_.sent(0x1606));
}

TEST_F(FmOutPage, AKnobDragWritesItsParameterAndTheFormattedDisplay) {
  auto* knob = static_cast<tcGuiKnob*>(object(G::kAesGainKnob));
  const uint32_t before = live().raw(0x161A);
  world_.drag_up(knob, 6);
  EXPECT_EQ(live().raw(0x161A), before + 6);
  EXPECT_TRUE(world_.sent(0x161A));
  EXPECT_EQ(object(G::kAesGainDisplay)->text(), live().format(0x161A));
}

TEST_F(FmOutPage, DelaySlidersWriteCoarseTimesFiveHundredPlusFine) {
  EXPECT_EQ(slider(G::kDelayCoarse)->maximum(), G::kDelayCoarseMax);
  EXPECT_EQ(slider(G::kDelayFine)->maximum(), G::kDelayFineMax);
  slide(G::kDelayFine, 20);
  const int fine = slider(G::kDelayFine)->value();
  ASSERT_GT(fine, 0);
  EXPECT_EQ(delay(), static_cast<uint32_t>(fine));
  slide(G::kDelayCoarse, 30);
  const int coarse = slider(G::kDelayCoarse)->value();
  ASSERT_GT(coarse, 0);
  EXPECT_EQ(delay(), static_cast<uint32_t>(coarse * G::kDelayStep + fine));
  EXPECT_TRUE(world_.global_sent(G::kDelayGlobal));
  EXPECT_EQ(slider(G::kDelayFine)->value(), fine);
  EXPECT_EQ(object(G::kDelayDisplay)->text(), world_.stores().globals().format(G::kDelayGlobal));

  // At the top of the coarse range the fine part is cut: 100000 at most.
  slide(G::kDelayCoarse, 200);
  EXPECT_EQ(delay(), G::kDelayMax);
  EXPECT_EQ(slider(G::kDelayCoarse)->value(), G::kDelayCoarseMax);
  EXPECT_EQ(slider(G::kDelayFine)->value(), 0);
  EXPECT_STREQ(object(G::kDelayDisplay)->text().c_str(), "10.0000S");
  EXPECT_EQ(G::delayOf(G::kDelayCoarseMax, G::kDelayFineMax), G::kDelayMax);
}

TEST_F(FmOutPage, TheDelayTakesTypedMillisecondsAndFollowsTheProcessor) {
  group_->onDisplayText(G::kDelayDisplay, "1234.5");
  EXPECT_EQ(delay(), 12345u);
  EXPECT_STREQ(object(G::kDelayDisplay)->text().c_str(), "1234.5mS");
  EXPECT_EQ(slider(G::kDelayCoarse)->value(), 24);
  EXPECT_EQ(slider(G::kDelayFine)->value(), 345);
  group_->onDisplayText(G::kDelayDisplay, "99999");
  EXPECT_EQ(delay(), G::kDelayMax);
  group_->onDisplayText(G::kDelayDisplay, "later");
  EXPECT_EQ(delay(), G::kDelayMax);

  world_.stores().globals().set_int(G::kDelayGlobal, 777, kSourceProcessor);
  world_.bench()->global_changed(G::kDelayGlobal);
  EXPECT_EQ(slider(G::kDelayCoarse)->value(), 1);
  EXPECT_EQ(slider(G::kDelayFine)->value(), 277);
  EXPECT_STREQ(object(G::kDelayDisplay)->text().c_str(), "  77.7mS");
}

TEST_F(FmOutPage, EachCouplingBoxTogglesItsBitAndKeepsTheOther) {
  world_.click(object(G::kMbCouplingT));
  EXPECT_EQ(live().int_value(G::kCouplingParam), G::kCouplingTBit);
  world_.click(object(G::kMbCouplingW));
  EXPECT_EQ(live().int_value(G::kCouplingParam), G::kCouplingWBit | G::kCouplingTBit);
  EXPECT_TRUE(world_.sent(G::kCouplingParam));
  EXPECT_TRUE(group_->bandGraph()->coupling_active());
  world_.click(object(G::kMbCouplingT));
  EXPECT_EQ(live().int_value(G::kCouplingParam), G::kCouplingWBit);
  EXPECT_EQ(object(G::kMbCouplingW)->value(), 1);
  EXPECT_EQ(object(G::kMbCouplingT)->value(), 0);

  // Set by the processor, both boxes and the graph's label follow.
  live().set_int(G::kCouplingParam, 2, kSourceProcessor);
  world_.bench()->parameter_changed(G::kCouplingParam, 0);
  EXPECT_EQ(object(G::kMbCouplingW)->value(), 0);
  EXPECT_EQ(object(G::kMbCouplingT)->value(), 1);
  live().set_int(G::kCouplingParam, 0, kSourceProcessor);
  world_.bench()->parameter_changed(G::kCouplingParam, 0);
  EXPECT_FALSE(group_->bandGraph()->coupling_active());
}

TEST_F(FmOutPage, EmphasisButtonsAndPositionItemsWriteTheirValues) {
  auto* flow =
      static_cast<tcGuiButton*>(world_.object(tcAPBench::kMain, tcControlGroupMain::kFlowFmOut));
  EXPECT_EQ(flow->display_state(), 3);  // shown, section off (flat, limiter out)
  world_.click(object(G::kPreEmphasis75));
  EXPECT_EQ(live().int_value(G::kEmphasisParam), 4u);
  EXPECT_TRUE(world_.sent(G::kEmphasisParam));
  EXPECT_EQ(static_cast<tcGuiButton*>(object(G::kPreEmphasis75))->display_state(), 1);
  EXPECT_EQ(static_cast<tcGuiButton*>(object(G::kEmphasisFlat))->display_state(), 0);
  EXPECT_EQ(static_cast<tcGuiCombo*>(object(G::kEmphasis))->index(), 2);
  EXPECT_EQ(flow->display_state(), 1);

  world_.click(object(G::kEmphasisPosPost));
  EXPECT_EQ(live().int_value(G::kEmphasisPosParam), 2u);
  const auto* position = static_cast<tcGuiRadioGroup*>(object(G::kEmphasisPos));
  EXPECT_EQ(position->items()[static_cast<size_t>(position->selected())],
            object(G::kEmphasisPosPost));

  live().set_int(G::kEmphasisPosParam, 1, kSourceProcessor);
  world_.bench()->parameter_changed(G::kEmphasisPosParam, 0);
  EXPECT_EQ(position->items()[static_cast<size_t>(position->selected())],
            object(G::kEmphasisPosPreLim));
}

TEST_F(FmOutPage, TheLimiterSwitchRedrawsTheFlowButton) {
  auto* flow =
      static_cast<tcGuiButton*>(world_.object(tcAPBench::kMain, tcControlGroupMain::kFlowFmOut));
  world_.click(object(G::kLimEnable));
  EXPECT_EQ(live().bool_value(0x1601), 1);
  EXPECT_EQ(flow->display_state(), 1);
  world_.click(object(G::kLimEnable));
  EXPECT_EQ(flow->display_state(), 3);
}

}  // namespace
