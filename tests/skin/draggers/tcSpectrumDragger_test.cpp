#include "skin/draggers/tcSpectrumDragger.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "tests/skin/draggers/tcDraggerWorld.h"

TEST(tcSpectrumDragger, DragsAndWheelStepsShiftTheView) {
  tcDraggerWorld w(300, 100, 0.0f, 1.0f);
  tcSpectrumDragger d(&w.graph);
  QSignalSpy spy(&d, &tcSpectrumDragger::sig_shift);
  EXPECT_EQ(d.drag(5, 0, 0), 0);  // no press yet
  EXPECT_EQ(spy.count(), 0);
  d.left_press(10, 10);
  EXPECT_EQ(d.left_press_pos(), QPoint(10, 10));
  d.drag(-7, 3, 0);
  d.drag(0, 0, 0);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_EQ(spy[0][0].toInt(), -7);
  EXPECT_EQ(spy[0][1].toInt(), 3);
  d.release(3, 13);
  d.drag(4, 0, 0);
  EXPECT_EQ(spy.count(), 1);
  d.wheel(-1, 0);
  d.wheel(1, tcGuiObject::kShift);
  // A wheel step is a vertical shift: up (+1) as a drag upwards.
  ASSERT_EQ(spy.count(), 3);
  EXPECT_EQ(spy[1][0].toInt(), 0);
  EXPECT_EQ(spy[1][1].toInt(), tcSpectrumDragger::kWheelShift);
  EXPECT_EQ(spy[2][1].toInt(), -5 * tcSpectrumDragger::kWheelShift);
  w.graph.set_disabled(true);
  d.wheel(1, 0);
  EXPECT_EQ(spy.count(), 3);
}
