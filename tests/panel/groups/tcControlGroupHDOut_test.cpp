// The HD output page on the page test skin: its bindings and lists, and the
// flow button its limiter and clipper switch.
#include "panel/groups/tcControlGroupHDOut.h"

#include <gtest/gtest.h>

#include "panel/groups/tcControlGroupMain.h"
#include "params/SETTINGS.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiDisplay.h"
#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/groups/tcPagesWorld.h"

namespace {

using G = tcControlGroupHDOut;

class HdOutPage : public tcPageTest<G> {
 protected:
  HdOutPage() : tcPageTest(tcAPBench::kPageHdOut, tcAPBench::kHdOut) {}
};

TEST_F(HdOutPage, EveryNameOfTheTableIsInTheSkinWithItsKind) {
  tcExpectGroupMatchesSkin(*group_, tcGroupKinds(tcAPBench::kHdOut));
}

TEST_F(HdOutPage, FormattedListsTakeTypedValuesWithTheirUnit) {
  const auto* texture = static_cast<tcGuiCombo*>(object(G::kBassTexture));
  EXPECT_TRUE(texture->editable());
  EXPECT_STREQ(texture->units().c_str(), "%");
  EXPECT_EQ(texture->text(), live().format(0x1707));
  group_->onListText(G::kBassFreq, "150");
  EXPECT_EQ(live().raw(0x1706), live().eng_to_raw(0x1706, 150.0f));
  EXPECT_EQ(object(G::kBassFreq)->text(), live().format(0x1706));
}

TEST_F(HdOutPage, KnobsAndTypedValuesWriteTheirParameter) {
  world_.drag_up(object(G::kLevelKnob), 4);
  EXPECT_TRUE(world_.sent(0x1801));
  EXPECT_EQ(object(G::kLevelDisplay)->text(), live().format(0x1801));
  auto* display = static_cast<tcGuiDisplay*>(object(G::kLimAttDisplay));
  EXPECT_STREQ(display->units().c_str(), "mS");
  group_->onDisplayText(G::kLimAttDisplay, "2.0");
  EXPECT_FLOAT_EQ(live().eng(0x1803), 2.0f);
  EXPECT_EQ(object(G::kLimAttKnob)->value(), static_cast<int>(live().raw(0x1803)));
}

TEST_F(HdOutPage, TheLimiterAndClipperRedrawTheFlowButton) {
  auto* flow =
      static_cast<tcGuiButton*>(world_.object(tcAPBench::kMain, tcControlGroupMain::kFlowHdOut));
  // The clipper's default type counts as on.
  EXPECT_EQ(flow->display_state(), 1);
  static_cast<tcGuiCombo*>(object(G::kLimClip))->step(-1);
  ASSERT_EQ(live().int_value(0x1808), 0u);
  EXPECT_EQ(flow->display_state(), 3);
  world_.click(object(G::kLimEnable));
  EXPECT_EQ(flow->display_state(), 1);
}

}  // namespace
