#include "skin/draggers/tcMBCheckDragger.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <vector>

#include "tests/skin/draggers/tcDraggerWorld.h"

namespace {
constexpr uint16_t kTimbral = 0x1590;  // FM MB n Timbral, 31 switches, on at first

struct Check : tcDraggerWorld {
  tcMBCheckDragger check{&graph, &live, 2};
  std::vector<int> told;
  Check() : tcDraggerWorld(310, 80, 0.0f, 1.0f) {
    check.set_row_base(0, kTimbral);
    check.set_row_base(1, kTimbral);
    check.set_column_callback([this](int c) { told.push_back(c); });
  }
  int x(int c) const { return check.column_x(c); }
};
}  // namespace

TEST(tcMBCheckDragger, RowBandsAreElevenPixelsThirtyApart) {
  Check w;
  const tcDraggerToggleRows& r = w.check.rows();
  EXPECT_EQ(r.row_at(19, 20, 30, 11), -1);
  EXPECT_EQ(r.row_at(20, 20, 30, 11), 0);
  EXPECT_EQ(r.row_at(30, 20, 30, 11), 0);
  EXPECT_EQ(r.row_at(31, 20, 30, 11), -1);
  EXPECT_EQ(r.row_at(50, 20, 30, 11), 1);
  EXPECT_EQ(r.row_at(80, 20, 30, 11), -1);  // only two rows
  EXPECT_EQ(r.id(0, 30), kTimbral + 30);
  EXPECT_EQ(r.id(0, 31), 0xFFFF);
}

TEST(tcMBCheckDragger, ReleaseOverThePressedCellSwitchesIt) {
  Check w;
  EXPECT_FALSE(w.check.rows().flag(0, 4));  // clear until refreshed
  w.check.rows().refresh();
  ASSERT_TRUE(w.check.rows().flag(0, 4));
  EXPECT_EQ(w.check.left_press(w.x(4), 25), 1);
  EXPECT_TRUE(w.check.armed());
  EXPECT_EQ(w.told, std::vector<int>{4});
  // Off the cell the armed look goes, back on it returns.
  EXPECT_EQ(w.check.drag(0, 10, 0), 1);
  EXPECT_FALSE(w.check.armed());
  EXPECT_EQ(w.check.drag(0, 2, 0), 0);
  EXPECT_EQ(w.check.drag(0, -12, 0), 1);
  EXPECT_TRUE(w.check.armed());
  EXPECT_EQ(w.check.release(w.x(4), 25), 3);
  EXPECT_FALSE(w.check.rows().flag(0, 4));
  EXPECT_EQ(w.set().bool_value(kTimbral + 4), 0);
  EXPECT_TRUE(w.send.test(0, kTimbral + 4));

  // Released elsewhere: nothing changes.
  w.check.left_press(w.x(6), 55);
  EXPECT_EQ(w.check.pressed_row(), 1);
  EXPECT_EQ(w.check.release(w.x(7), 55), 1);
  EXPECT_EQ(w.set().bool_value(kTimbral + 6), 1);
  EXPECT_FALSE(w.send.test(0, kTimbral + 6));
  // Between the rows nothing is pressed.
  EXPECT_EQ(w.check.left_press(w.x(6), 40), 0);
  EXPECT_EQ(w.check.release(w.x(6), 40), 0);
}

TEST(tcMBCheckDragger, HoverMakesTheCurrentCell) {
  Check w;
  EXPECT_EQ(w.check.hover(w.x(9), 52), 1);
  EXPECT_EQ(w.check.current_row(), 1);
  EXPECT_EQ(w.check.current_column(), 9);
  EXPECT_EQ(w.check.hover(w.x(9) + 1, 53), 0);
  EXPECT_EQ(w.check.leave(), 1);
  EXPECT_EQ(w.check.current_row(), -1);
  EXPECT_EQ(w.check.leave(), 0);
  EXPECT_EQ(w.told, std::vector<int>{9});
}

TEST(tcMBCheckDragger, CheckAllAndUnCheckAllWriteEveryCell) {
  Check w;
  const QList<QAction*> acts = w.check.menu()->actions();
  ASSERT_EQ(acts.size(), 2);
  EXPECT_EQ(acts[0]->text(), "Check All");
  EXPECT_EQ(acts[1]->text(), "UN-Check All");
  acts[1]->trigger();
  for (int c = 0; c < 31; ++c) {
    EXPECT_FALSE(w.check.rows().flag(1, c));
    EXPECT_EQ(w.set().bool_value(kTimbral + c), 0) << c;
    EXPECT_TRUE(w.send.take(0, kTimbral + c)) << c;
  }
  acts[0]->trigger();
  for (int c = 0; c < 31; ++c) {
    EXPECT_TRUE(w.check.rows().flag(0, c));
    EXPECT_EQ(w.set().bool_value(kTimbral + c), 1) << c;
    EXPECT_TRUE(w.send.test(0, kTimbral + c)) << c;
  }
  const QImage img = tcRenderLayers(w.check);
  EXPECT_EQ(img.pixel(w.x(15), 25), 0xFF20C040u);
}
