#include "metering/analysis/tcColumnPlot.h"

#include <gtest/gtest.h>

TEST(tcColumnPlot, ColumnsLightFromTheirTopDownGhostsBehindGroundElsewhere) {
  QImage ground(5, 3, QImage::Format_RGB32);
  ground.fill(0xFF000000);
  ground.setPixel(4, 0, 0xFF111111);  // a grid dot stays where nothing covers it
  QImage strip(1, 3, QImage::Format_RGB32);
  for (int y = 0; y < 3; ++y) strip.setPixel(0, y, qRgb(255, y * 100, 0));
  QImage out;
  tcColumnPlot::render(out, ground, {0, 2, tcColumnPlot::kNone, 3, tcColumnPlot::kNone}, strip,
                       {0, 0, 1, 0, tcColumnPlot::kNone}, 0xFF404040);
  ASSERT_EQ(out.size(), ground.size());
  EXPECT_EQ(out.pixel(0, 0), qRgb(255, 0, 0));  // lit, in the strip's row colour
  EXPECT_EQ(out.pixel(0, 2), qRgb(255, 200, 0));
  EXPECT_EQ(out.pixel(1, 1), 0xFF404040u);  // above its top: the ghost
  EXPECT_EQ(out.pixel(1, 2), qRgb(255, 200, 0));
  EXPECT_EQ(out.pixel(2, 0), 0xFF000000u);  // ghost starts lower
  EXPECT_EQ(out.pixel(2, 1), 0xFF404040u);
  EXPECT_EQ(out.pixel(3, 2), 0xFF404040u);  // a top at the height lights nothing
  EXPECT_EQ(out.pixel(4, 0), 0xFF111111u);
  // Without ghosts, and fewer tops than columns: the rest is ground.
  tcColumnPlot::render(out, ground, {1}, strip);
  EXPECT_EQ(out.pixel(0, 1), qRgb(255, 100, 0));
  EXPECT_EQ(out.pixel(1, 1), 0xFF000000u);
  EXPECT_EQ(out.pixel(4, 0), 0xFF111111u);
}
