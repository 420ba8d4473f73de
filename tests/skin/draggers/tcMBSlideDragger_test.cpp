#include "skin/draggers/tcMBSlideDragger.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "skin/draggers/tcDraggerColumns.h"
#include "tests/skin/draggers/tcDraggerWorld.h"

namespace {
constexpr uint16_t kThr = 0x1510;  // FM MB n Lim Thr, 31 bands, -6 to 6 dB

struct Slide : tcDraggerWorld {
  tcMBSlideDragger slide{&graph};
  Slide() : tcDraggerWorld(310, 120, -6.0f, 6.0f) {
    tcDraggerBandOps ops;
    ops.to_raw = [this](int band, float v) { return set().eng_to_raw(kThr + band, v); };
    ops.to_value = [this](int band, uint32_t raw) { return set().raw_to_eng(kThr + band, raw); };
    ops.write = [this](int band, uint32_t raw) { set().set_raw(kThr + band, raw, kSourceConsole); };
    slide.set_band_ops(ops);
    float values[31];
    for (int b = 0; b < 31; ++b) values[b] = set().eng(kThr + b);
    slide.set_values(values, 31);
  }
};
}  // namespace

TEST(tcMBSlideDragger, ThirdOctaveColumnsAndZones) {
  Slide w;
  EXPECT_EQ(w.slide.adjuster_x(0), 0);
  EXPECT_EQ(w.slide.adjuster_x(30), 310);
  EXPECT_EQ(w.slide.adjuster_x(15), tcGuiGraph::to_pixel(w.graph.x_axis(), 640.0f));
  // Zones end at the midpoints between neighbours.
  const int mid = (w.slide.adjuster_x(15) + w.slide.adjuster_x(16)) / 2;
  EXPECT_EQ(w.slide.hover(mid - 1, 50), 1);
  EXPECT_EQ(w.slide.adjusters().selected(), 15);
  EXPECT_EQ(w.slide.hover(mid - 1, 60), 0);  // same adjuster: no repaint
  EXPECT_EQ(w.slide.hover(mid, 50), 1);
  EXPECT_EQ(w.slide.adjusters().selected(), 16);
  EXPECT_EQ(tcDraggerColumns::zone_of(-1, {0, 10}, 10), -1);
  EXPECT_EQ(tcDraggerColumns::zone_of(10, {0, 10}, 10), 1);
  EXPECT_EQ(tcDraggerColumns::zone_of(3, {}, 10), -1);
}

TEST(tcMBSlideDragger, StartsInFlatDragAndMovesTheGroupTogether) {
  Slide w;
  const QList<QAction*> acts = w.slide.menu()->actions();
  EXPECT_TRUE(acts.back()->isChecked());
  EXPECT_EQ(acts.back()->text(), "Flat Drag");
  EXPECT_EQ(w.slide.adjusters().mode(), tcDraggerAdjusters::kFlat);

  w.slide.double_click(w.slide.adjuster_x(10), 50);
  w.slide.double_click(w.slide.adjuster_x(11), 50);
  w.slide.double_click(w.slide.adjuster_x(12), 50);
  EXPECT_EQ(w.slide.left_press(w.slide.adjuster_x(11), 50), 1);
  EXPECT_EQ(w.slide.drag(0, -20, 0), 3);
  for (int b : {10, 11, 12}) {
    EXPECT_FLOAT_EQ(w.slide.adjusters().at(b).value, 2.0f) << b;
    EXPECT_FLOAT_EQ(w.set().eng(kThr + b), 2.0f) << b;
    EXPECT_TRUE(w.send.test(0, kThr + b)) << b;
  }
  EXPECT_FALSE(w.send.test(0, kThr + 9));
  EXPECT_FALSE(w.send.test(0, kThr + 13));
  // The wheel moves by the negated step, the group with it.
  w.slide.wheel(-10, 0);
  EXPECT_FLOAT_EQ(w.set().eng(kThr + 12), 1.0f);
}

TEST(tcMBSlideDragger, FlattenWritesTheGroup) {
  Slide w;
  w.set().set_float(kThr + 5, 3.0f, kSourceProcessor);
  w.slide.set_value(5, w.set().eng(kThr + 5));
  w.slide.slot_group_all();
  w.slide.hover(w.slide.adjuster_x(5), 0);
  w.slide.slot_flatten();
  for (int b = 0; b < 31; ++b) EXPECT_FLOAT_EQ(w.set().eng(kThr + b), 3.0f) << b;
  EXPECT_EQ(w.slide.adjusters().at(30).height, tcGuiGraph::to_pixel(w.graph.y_axis(), 3.0f));
}

TEST(tcMBSlideDragger, PlainHandles) {
  Slide w;
  w.slide.hover(w.slide.adjuster_x(8), 0);
  w.slide.double_click(w.slide.adjuster_x(20), 0);  // linked: no outline
  const QImage img = tcRenderLayers(w.slide);
  const int x = w.slide.adjuster_x(8);
  const int y = w.slide.adjusters().at(8).height;
  EXPECT_EQ(img.pixel(x - 4, y - 4), 0xFFFF0000u);
  EXPECT_EQ(img.pixel(x + 3, y + 3), 0xFFFF0000u);
  EXPECT_EQ(img.pixel(x, y), 0xFFFFFF00u);
  const int x2 = w.slide.adjuster_x(20);
  EXPECT_EQ(img.pixel(x2, y), 0xFF0080FFu);
  EXPECT_NE(img.pixel(x2 - 4, y - 4), 0xFFFF0000u);
}
