// The stereo encoder page on the page test skin: the radio groups that stand
// for parameter values, the test oscillator on globals, typed values in the
// formatted lists, and the flow button.
#include "panel/groups/tcControlGroupFMPlex.h"

#include <gtest/gtest.h>

#include "panel/groups/tcControlGroupMain.h"
#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiKnob.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "skin/objects/tcGuiRadioItem.h"
#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/groups/tcPagesWorld.h"

namespace {

using G = tcControlGroupFMPlex;

class FmPlexPage : public tcPageTest<G> {
 protected:
  FmPlexPage() : tcPageTest(tcAPBench::kPageFmPlex, tcAPBench::kFmPlex) {}
  GLOBALS& globals() { return world_.stores().globals(); }
  const tcGuiObject* selected(int radio) {
    const auto* g = static_cast<tcGuiRadioGroup*>(object(radio));
    return g->items()[static_cast<size_t>(g->selected())];
  }
};

TEST_F(FmPlexPage, EveryNameOfTheTableIsInTheSkinWithItsKind) {
  tcExpectGroupMatchesSkin(*group_, tcGroupKinds(tcAPBench::kFmPlex));
}

TEST_F(FmPlexPage, RadioItemsWriteTheValuesTheyStandFor) {
  auto* flow =
      static_cast<tcGuiButton*>(world_.object(tcAPBench::kMain, tcControlGroupMain::kFlowFmPlex));
  EXPECT_EQ(flow->display_state(), 1);
  world_.click(object(G::kAnalogLr));
  EXPECT_EQ(live().int_value(G::kAnalogParam), 1u);
  EXPECT_TRUE(world_.sent(G::kAnalogParam));
  EXPECT_EQ(flow->display_state(), 3);  // the analog output is L/R: encoder off

  // The look-ahead item is the first of its group and stands for 1.
  EXPECT_EQ(selected(G::kMpxProc), object(G::kMpxProcLook));
  world_.click(object(G::kMpxProcHClip));
  EXPECT_EQ(live().int_value(G::kMpxProcParam), 2u);

  live().set_int(G::kAnalogParam, 2, kSourceProcessor);
  live().set_int(G::kMpxProcParam, 1, kSourceProcessor);
  world_.bench()->parameter_changed(G::kAnalogParam, 0);
  world_.bench()->parameter_changed(G::kMpxProcParam, 0);
  EXPECT_EQ(selected(G::kAnalog), object(G::kAnalogLre));
  EXPECT_EQ(selected(G::kMpxProc), object(G::kMpxProcLook));
}

TEST_F(FmPlexPage, TheTestOscillatorKnobsStayInTheOscillatorsRange) {
  auto* frequency = static_cast<tcGuiKnob*>(object(G::kTestOscKnob));
  EXPECT_EQ(frequency->maximum(), 20);
  EXPECT_EQ(static_cast<tcGuiKnob*>(object(G::kTestLevelKnob))->maximum(), 100);
  EXPECT_STREQ(object(G::kTestOscDisplay)->text().c_str(), " 1.0 kHz");
  world_.drag_up(frequency, 3);
  EXPECT_EQ(globals().int_value(0x2004), 10u);
  EXPECT_TRUE(world_.global_sent(0x2004));
  EXPECT_STREQ(object(G::kTestOscDisplay)->text().c_str(), " 4.0 kHz");

  group_->onDisplayText(G::kTestOscDisplay, "25");
  EXPECT_EQ(globals().int_value(0x2004), 20u);
  group_->onDisplayText(G::kTestLevelDisplay, "-3");
  EXPECT_EQ(globals().int_value(0x2005), 0u);

  globals().set_int(0x2005, 60, kSourceProcessor);
  world_.bench()->global_changed(0x2005);
  EXPECT_EQ(object(G::kTestLevelKnob)->value(), 60);
  EXPECT_STREQ(object(G::kTestLevelDisplay)->text().c_str(), "60");

  world_.click(object(G::kTestOsc));
  EXPECT_EQ(globals().bool_value(0x2006), 1);
}

TEST_F(FmPlexPage, FormattedListsStepAndTakeTypedValues) {
  auto* phase = static_cast<tcGuiCombo*>(object(G::kPilotPhase));
  EXPECT_TRUE(phase->editable());
  EXPECT_STREQ(phase->units().c_str(), "\xB0");
  group_->onListText(G::kPilotPhase, "12.5");
  EXPECT_FLOAT_EQ(live().eng(0x160C), 12.5f);
  EXPECT_EQ(phase->text(), live().format(0x160C));
  phase->step(-2);
  EXPECT_FLOAT_EQ(live().eng(0x160C), 11.5f);

  group_->onListText(G::kBs412Level, "3");
  EXPECT_FLOAT_EQ(live().eng(0x1611), 3.0f);
  EXPECT_TRUE(world_.sent(0x1611));
}

}  // namespace
