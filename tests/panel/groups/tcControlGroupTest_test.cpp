// The factory test page on the page test skin: the clipper's coefficient
// knobs by digit, the reset buttons, and the page's place behind FACTORY/GURU.
#include "panel/groups/tcControlGroupTest.h"

#include <gtest/gtest.h>

#include "params/SETTINGS.h"
#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/groups/tcPagesWorld.h"

namespace {

using G = tcControlGroupTest;

class TestPage : public tcPageTest<G> {
 protected:
  TestPage() : tcPageTest(tcAPBench::kPageTest, tcAPBench::kTest) {}
};

TEST_F(TestPage, EveryNameOfTheTableIsInTheSkinWithItsKind) {
  tcExpectGroupMatchesSkin(*group_, tcGroupKinds(tcAPBench::kTest));
  EXPECT_TRUE(group_->visible());
}

TEST_F(TestPage, EachDigitsKnobsDriveItsCoefficients) {
  const struct {
    int knob;
    int display;
    uint16_t param;
  } kRows[] = {{G::kF1Knob, G::kF1Display, G::kFirstF},
               {G::kF1Knob + 8, G::kF1Display + 8, G::kFirstF + 8},
               {G::kX1Knob + 4, G::kX1Display + 4, G::kFirstX + 4},
               {G::kC1Knob + 8, G::kC1Display + 8, G::kFirstC + 8},
               {G::kOutKnob, G::kOutDisplay, G::kOutParam}};
  for (const auto& row : kRows) {
    const uint32_t before = live().raw(row.param);
    world_.drag_up(object(row.knob), 3);
    EXPECT_EQ(live().raw(row.param), before + 3) << row.knob;
    EXPECT_TRUE(world_.sent(row.param)) << row.knob;
    EXPECT_EQ(object(row.display)->text(), live().format(row.param)) << row.knob;
  }
  EXPECT_EQ(group_->knobForDisplay(G::kX1Display + 8), G::kX1Knob + 8);
}

TEST_F(TestPage, ResetButtonsPutTheirCoefficientsBackToTheDefaults) {
  const uint16_t f3 = G::kFirstF + 2, x7 = G::kFirstX + 6, c5 = G::kFirstC + 4;
  const float f3_default = live().eng(f3);
  const float c5_default = live().eng(c5);
  const float out_default = live().eng(G::kOutParam);
  for (uint16_t id : {f3, x7, c5, G::kOutParam})
    live().set_raw(id, live().raw(id) + 9, kSourceProcessor);

  world_.click(object(G::kReset1));
  EXPECT_FLOAT_EQ(live().eng(f3), f3_default);
  EXPECT_FLOAT_EQ(live().eng(x7), live().float_default(x7));
  EXPECT_NE(live().eng(c5), c5_default);  // reset 1 leaves the C row
  EXPECT_TRUE(world_.sent(f3));
  EXPECT_EQ(object(G::kF1Knob + 2)->value(), static_cast<int>(live().raw(f3)));

  world_.click(object(G::kReset2));
  EXPECT_FLOAT_EQ(live().eng(c5), c5_default);
  EXPECT_FLOAT_EQ(live().eng(G::kOutParam), out_default);
}

TEST(TestPageAccess, WithoutFactoryGuruThePageShowsTheSystemPage) {
  tcPagesWorld world;
  world.open();
  world.options().set_guru(false);
  world.bench()->select_page(tcAPBench::kPageTest);
  EXPECT_FALSE(world.bench()->group(tcAPBench::kTest)->visible());
  EXPECT_TRUE(world.bench()->group(tcAPBench::kSystem)->visible());
}

}  // namespace
