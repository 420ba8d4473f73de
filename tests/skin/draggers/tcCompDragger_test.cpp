#include "skin/draggers/tcCompDragger.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "tests/skin/draggers/tcDraggerWorld.h"

namespace {
constexpr uint16_t kTrim = 0x141F;   // Comp Out n Trim, -6 to 6 dB
constexpr uint16_t kCells = 0x1590;  // a row of switches

struct Comp : tcDraggerWorld {
  tcCompDragger comp{&graph, &live, 1};
  Comp() : tcDraggerWorld(250, 120, -6.0f, 6.0f) {
    tcDraggerBandOps ops;
    ops.to_raw = [this](int band, float v) { return set().eng_to_raw(kTrim + band, v); };
    ops.to_value = [this](int band, uint32_t raw) { return set().raw_to_eng(kTrim + band, raw); };
    ops.write = [this](int band, uint32_t raw) {
      set().set_raw(kTrim + band, raw, kSourceConsole);
    };
    comp.set_band_ops(ops);
    for (int b = 0; b < 5; ++b) comp.set_value(b, 0.0f);
    comp.set_row_base(0, kCells);
  }
  int x(int band) const { return comp.adjuster_x(band); }
};
}  // namespace

TEST(tcCompDragger, ZonesFollowTheCrossoversOrTheThirds) {
  Comp w;
  // Without crossovers the bands share the plot evenly.
  EXPECT_EQ(w.x(0), 25);
  EXPECT_EQ(w.x(4), 225);
  const float xo[4] = {100.0f, 500.0f, 2000.0f, 6000.0f};
  w.comp.set_crossovers(xo);
  const int b0 = tcGuiGraph::to_pixel(w.graph.x_axis(), 100.0f);
  const int b1 = tcGuiGraph::to_pixel(w.graph.x_axis(), 500.0f);
  EXPECT_EQ(w.x(0), b0 / 2);
  EXPECT_EQ(w.x(1), (b0 + b1) / 2);
  w.comp.left_press(w.x(1) + 1, 10);
  EXPECT_EQ(w.comp.adjusters().selected(), 1);
  w.comp.left_press(250, 10);
  EXPECT_EQ(w.comp.adjusters().selected(), 4);

  w.comp.set_three_zones(true);
  const int hits[3] = {0, 2, 4};
  for (int t = 0; t < 3; ++t) {
    w.comp.left_press(t * 83 + 40, 10);
    EXPECT_EQ(w.comp.adjusters().selected(), hits[t]) << t;
  }
  EXPECT_EQ(w.comp.left_press(-1, 10), 0);  // outside the plot: no zone
}

TEST(tcCompDragger, DragWritesTheBandAndItsGroup) {
  Comp w;
  EXPECT_EQ(w.comp.left_press(w.x(2), 20), 1);
  EXPECT_EQ(w.comp.drag(0, -10, 0), 3);
  EXPECT_GT(w.set().eng(kTrim + 2), 0.5f);
  EXPECT_TRUE(w.send.test(0, kTrim + 2));
  EXPECT_FALSE(w.send.test(0, kTrim + 1));
  w.comp.release(w.x(2), 10);
  EXPECT_EQ(w.comp.drag(0, -10, 0), 0);  // released: no drag

  w.comp.slot_group_all();
  w.comp.slot_flat_drag();
  w.comp.left_press(w.x(2), 20);
  w.comp.drag(0, 30, 0);
  for (int b = 0; b < 5; ++b)
    EXPECT_FLOAT_EQ(w.comp.adjusters().at(b).value, w.set().eng(kTrim + b)) << b;
  EXPECT_LT(w.set().eng(kTrim), -1.0f);
  EXPECT_TRUE(w.send.test(0, kTrim + 4));

  // A wheel step moves the selected adjuster up by a pixel.
  const int h = w.comp.adjusters().at(2).height;
  w.comp.wheel(1, 0);
  EXPECT_EQ(w.comp.adjusters().at(2).height, h - 1);
}

TEST(tcCompDragger, ToggleCellsArmOnPressAndSwitchOnRelease) {
  Comp w;
  w.comp.rows().refresh();
  ASSERT_TRUE(w.comp.rows().flag(0, 1));  // the switches start on
  const int row_y = 120 - 20 + 4;
  EXPECT_EQ(w.comp.left_press(w.x(1), row_y), 1);
  EXPECT_EQ(w.comp.armed_row(), 0);
  EXPECT_EQ(w.comp.armed_band(), 1);
  EXPECT_EQ(w.comp.drag(0, -30, 0), 0);  // an armed cell moves no adjuster
  EXPECT_EQ(w.comp.release(w.x(1), row_y), 3);
  EXPECT_FALSE(w.comp.rows().flag(0, 1));
  EXPECT_EQ(w.set().bool_value(kCells + 1), 0);
  EXPECT_TRUE(w.send.test(0, kCells + 1));
  EXPECT_FLOAT_EQ(w.comp.adjusters().at(1).value, 0.0f);

  // Released over another band or off the row: nothing switches.
  w.comp.left_press(w.x(3), row_y);
  EXPECT_EQ(w.comp.release(w.x(4), row_y), 1);
  w.comp.left_press(w.x(3), row_y);
  w.comp.release(w.x(3), row_y - 15);
  EXPECT_TRUE(w.comp.rows().flag(0, 3));
  EXPECT_FALSE(w.send.test(0, kCells + 3));
}

TEST(tcCompDragger, MenuAndDoubleClickEditTheLinks) {
  Comp w;
  const QList<QAction*> acts = w.comp.menu()->actions();
  QStringList names;
  for (QAction* a : acts) {
    if (!a->isSeparator()) names << a->text();
  }
  EXPECT_EQ(names,
            (QStringList{"Flatten", "Group Adjusters", "UnGroup Adjusters", "Group All Adjusters",
                         "UnGroup All Adjusters", "Proportional Drag", "Flat Drag"}));
  QAction* prop = acts[acts.size() - 2];
  QAction* flat = acts.back();
  EXPECT_TRUE(prop->isChecked());
  flat->trigger();
  EXPECT_EQ(w.comp.adjusters().mode(), tcDraggerAdjusters::kFlat);
  EXPECT_FALSE(prop->isChecked());

  EXPECT_EQ(w.comp.double_click(w.x(3), 50), 1);
  EXPECT_FALSE(w.comp.adjusters().at(3).independent);
  w.comp.double_click(w.x(3), 50);
  EXPECT_TRUE(w.comp.adjusters().at(3).independent);
}

TEST(tcCompDragger, DrawsTracesReferenceAndCells) {
  Comp w;
  const float agc[5] = {0.0f, 3.0f, 6.0f, 9.0f, 12.0f};
  w.comp.set_trace(0, agc, 5);
  w.comp.set_reference(3.0f);
  w.comp.rows().set_flag(0, 2, true);
  const QImage img = tcRenderLayers(w.comp);
  const int ref_y = tcGuiGraph::to_pixel(w.graph.y_axis(), 3.0f);
  EXPECT_EQ(img.pixel(w.x(0) + 12, ref_y), 0xFFE65820u);
  // The AGC trace, in yellow, at band 3's gain reduction (30 dB full scale).
  EXPECT_TRUE(tcNearColour(img.pixel(w.x(3) + 10, 9 * 120 / 30), 0xFFFFFF00u, 60));
  // A switched-on cell is filled green, an off one dark.
  EXPECT_EQ(img.pixel(w.x(2), 120 - 20 + 5), 0xFF20C040u);
  EXPECT_EQ(img.pixel(w.x(1), 120 - 20 + 5), 0xFF303030u);
}
