#include "skin/objects/tcGuiRadioGroup.h"

#include <gtest/gtest.h>

#include "skin/objects/tcGuiRadioItem.h"
#include "tests/skin/objects/tcPanelWorld.h"

namespace {

TEST(GuiRadioGroup, ExactlyOneItemIsSelectedAndClicksReachTheItems) {
  tcPanelWorld w;
  ASSERT_EQ(w.loaded, 0);
  tcGuiRadioGroup* group = w.get<tcGuiRadioGroup>("SOURCE");
  tcGuiRadioItem* analog = w.get<tcGuiRadioItem>("SOURCE_ANALOG");
  tcGuiRadioItem* aes = w.get<tcGuiRadioItem>("SOURCE_AES");
  tcCalls calls;
  group->set_callback(&tcCalls::on_value, &calls, 8);
  EXPECT_EQ(group->selected(), 0);
  EXPECT_EQ(analog->value(), 1);
  EXPECT_EQ(aes->value(), 0);
  EXPECT_EQ(aes->height(), 17);  // half the group's height: the items do not overlap
  const QPoint on_aes = w.centre_of(aes);
  w.press(on_aes);
  w.release(on_aes);
  EXPECT_EQ(group->selected(), 1);
  EXPECT_EQ(analog->value(), 0);
  EXPECT_EQ(aes->value(), 1);
  ASSERT_EQ(calls.values.size(), 1u);
  EXPECT_EQ(calls.values[0].group, 8);
  EXPECT_EQ(calls.last(), 1);
  // Released off the item, or with the group locked: no change.
  w.press(w.centre_of(analog));
  w.release(w.centre_of(analog) + QPoint(0, 200));
  w.bench->locked.insert(8);
  w.press(w.centre_of(analog));
  w.release(w.centre_of(analog));
  EXPECT_EQ(group->selected(), 1);
  EXPECT_EQ(calls.values.size(), 1u);
  // The owner selects without a report; hiding the group hides its items.
  group->set_state(0);
  EXPECT_EQ(analog->value(), 1);
  EXPECT_EQ(calls.values.size(), 1u);
  group->show(false);
  EXPECT_FALSE(analog->visible());
  EXPECT_FALSE(aes->visible());
  group->show(true);
  EXPECT_TRUE(aes->visible());
}

}  // namespace
