#include "skin/draggers/tcPEQDragger.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <vector>

#include "skin/draggers/tcBandResponse.h"
#include "skin/loader/tcBenchMaster.h"
#include "tests/skin/draggers/tcDraggerWorld.h"
#include "tests/support/tcLogCapture.h"

namespace {
constexpr uint16_t kFreq = 0x1306;
constexpr uint16_t kWidth = 0x130A;
constexpr uint16_t kGain = 0x130E;
constexpr uint32_t kColours[5] = {0xFFFF4040u, 0xFF40FF40u, 0xFF4080FFu, 0xFFFFC000u, 0xFFFFFFFFu};

struct PEQ : tcDraggerWorld {
  tcPEQDragger eq{&graph, &live, kFreq, kWidth, kGain};
  PEQ() : tcDraggerWorld(300, 150, -15.0f, 15.0f) { eq.set_colours(kColours); }
  QPoint centre(int band) const { return eq.handle(band).center(); }
  // Press at a point, then drag by (dx, dy).
  int press_drag(QPoint at, int dx, int dy) {
    eq.left_press(at.x(), at.y());
    return eq.drag(dx, dy, 0);
  }
};
}  // namespace

TEST(tcPEQDragger, DefaultsMenuAndMissingColours) {
  PEQ w;
  EXPECT_FLOAT_EQ(w.eq.band(2).frequency, 2800.0f);
  EXPECT_FLOAT_EQ(w.eq.band(2).width, 1.4925373f);
  EXPECT_FLOAT_EQ(w.eq.band(1).gain, -4.0f);
  const QList<QAction*> acts = w.eq.menu()->actions();
  ASSERT_EQ(acts.size(), 4);
  const char* names[] = {"LOW", "MID 1", "MID 2", "HIGH"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(acts[i]->text(), names[i]);
    EXPECT_TRUE(acts[i]->isCheckable());
    EXPECT_FALSE(acts[i]->icon().isNull());
  }
  EXPECT_TRUE(acts[0]->isChecked());
  acts[3]->trigger();
  EXPECT_EQ(w.eq.selected(), 3);
}

TEST(tcPEQDragger, CurvesAndTheirSum) {
  PEQ w;
  const std::vector<float>& sum = w.eq.sum();
  ASSERT_EQ(sum.size(), 300u);
  // At 20 Hz only the LOW band counts; at 20 kHz the HIGH band dominates.
  EXPECT_NEAR(sum[0], w.eq.curve(0)[0], 0.3f);
  EXPECT_GT(sum[0], 1.0f);
  EXPECT_NEAR(w.eq.curve(3)[299], tcBandResponse::db(20000.0, 16000.0, 2.5, 8.0), 1e-4);

  w.eq.set_band(1, 800.0f, 2.0f, 0.0f);
  for (float v : w.eq.curve(1)) EXPECT_NEAR(v, 0.0f, 1e-6);
  w.eq.set_band(7, 1.0f, 1.0f, 1.0f);  // no such band: ignored
  EXPECT_FLOAT_EQ(w.eq.band(3).frequency, 16000.0f);
}

TEST(tcPEQDragger, HandlesSitOnTheMappedBandAndWidthBesideIt) {
  PEQ w;
  const QRect h = w.eq.handle(0);
  EXPECT_EQ(h.size(), QSize(8, 8));
  EXPECT_EQ(h.left(), tcGuiGraph::to_pixel(w.graph.x_axis(), 50.0f) - 4);
  EXPECT_EQ(h.top(), tcGuiGraph::to_pixel(w.graph.y_axis(), 6.0f) - 4);
  // Boost: the width handle's top at the y of gain - 2 dB.
  EXPECT_EQ(w.eq.width_handle().left(), h.left());
  EXPECT_EQ(w.eq.width_handle().top(), tcGuiGraph::to_pixel(w.graph.y_axis(), 4.0f));
  // Cut: its top 9 pixels above the y of gain + 2 dB.
  w.eq.select(1);
  EXPECT_EQ(w.eq.width_handle().top(), tcGuiGraph::to_pixel(w.graph.y_axis(), -2.0f) - 9);
}

TEST(tcPEQDragger, SelectionMovesTheBandLastAndOverlapsKeepIt) {
  PEQ w;
  w.eq.select(2);
  EXPECT_EQ(std::vector<int>(w.eq.order(), w.eq.order() + 4), (std::vector<int>{1, 3, 0, 2}));
  EXPECT_TRUE(w.eq.menu()->actions()[2]->isChecked());
  EXPECT_FALSE(w.eq.menu()->actions()[0]->isChecked());

  // Band 1 on top of the selected band 2: a click there keeps band 2.
  w.eq.set_band(1, 2800.0f, 1.0f, 3.0f);
  EXPECT_EQ(w.eq.left_press(w.centre(2).x(), w.centre(2).y()), 1);
  EXPECT_EQ(w.eq.selected(), 2);
  EXPECT_EQ(w.eq.drag_mode(), tcPEQDragger::kFreqGain);
  // A click on another band's handle selects it.
  EXPECT_EQ(w.eq.left_press(w.centre(3).x(), w.centre(3).y()), 1);
  EXPECT_EQ(w.eq.selected(), 3);
  EXPECT_EQ(w.eq.order()[3], 3);
  // Empty plot: no drag.
  EXPECT_EQ(w.eq.left_press(150, 2), 0);
  EXPECT_EQ(w.eq.drag_mode(), tcPEQDragger::kNone);
  EXPECT_EQ(w.eq.drag(10, 10, 0), 0);
  // A disabled graph ignores presses.
  w.graph.set_disabled(true);
  EXPECT_EQ(w.eq.left_press(w.centre(3).x(), w.centre(3).y()), 0);
}

TEST(tcPEQDragger, DragWritesTheLiveSetAsAConsoleChange) {
  PEQ w;
  const QPoint c = w.centre(2);
  EXPECT_EQ(w.press_drag(c, 40, -20), 3);
  SETTINGS& s = w.set();
  EXPECT_TRUE(w.send.test(0, kFreq + 2));
  EXPECT_TRUE(w.send.test(0, kGain + 2));
  EXPECT_FALSE(w.panel.test(0, kFreq + 2));
  // The band snaps to the parameters' steps and the curve follows.
  EXPECT_FLOAT_EQ(w.eq.band(2).frequency, s.eng(kFreq + 2));
  EXPECT_FLOAT_EQ(w.eq.band(2).gain, s.eng(kGain + 2));
  EXPECT_GT(w.eq.band(2).frequency, 2800.0f);
  EXPECT_GT(w.eq.band(2).gain, 3.0f);
  EXPECT_NEAR(tcGuiGraph::to_value(w.graph.x_axis(), c.x() + 40), s.eng(kFreq + 2),
              s.eng(kFreq + 2) * 0.1f);
  EXPECT_NEAR(w.eq.curve(2)[c.x() + 40], w.eq.band(2).gain, 0.5f);

  // Dragged far off the plot, the gain holds at the axis' end, inside the parameter's range.
  w.eq.drag(0, -1000, 0);
  EXPECT_NEAR(s.eng(kGain + 2), 14.0f, 1.0f);
  EXPECT_LE(s.eng(kGain + 2), 14.0f);
}

TEST(tcPEQDragger, GroupHandlerTakesTheRawValueInstead) {
  PEQ w;
  std::vector<uint32_t> raws;
  w.eq.set_write_handler(0, tcPEQDragger::kFrequency, [&](uint32_t raw) { raws.push_back(raw); });
  const uint32_t before = w.set().raw(kFreq);
  w.press_drag(w.centre(0), 30, -10);
  ASSERT_EQ(raws.size(), 1u);
  EXPECT_EQ(raws[0], w.set().eng_to_raw(
                         kFreq, tcGuiGraph::to_value(w.graph.x_axis(), w.centre(0).x() + 30)));
  EXPECT_EQ(w.set().raw(kFreq), before);
  EXPECT_FALSE(w.send.test(0, kFreq));
  EXPECT_FLOAT_EQ(w.eq.band(0).frequency, 50.0f);  // moves when the parameter comes back
  EXPECT_TRUE(w.send.test(0, kGain));              // the gain has no handler
}

TEST(tcPEQDragger, WidthHandleMovesByTheLargerMovementWithinLimits) {
  PEQ w;
  SETTINGS& s = w.set();
  const MAP_FLOAT* map = s.float_map(kWidth);
  const uint32_t start = s.raw(kWidth);
  w.eq.left_press(w.eq.width_handle().center().x(), w.eq.width_handle().center().y());
  ASSERT_EQ(w.eq.drag_mode(), tcPEQDragger::kWidthDrag);
  EXPECT_EQ(w.eq.drag(3, 1, 0), 3);  // sideways wins
  EXPECT_EQ(s.raw(kWidth), start + 3);
  EXPECT_FLOAT_EQ(w.eq.band(0).width, s.eng(kWidth));
  EXPECT_TRUE(w.send.test(0, kWidth));
  w.eq.drag(1, -2, 0);  // upwards wins and widens
  EXPECT_EQ(s.raw(kWidth), start + 5);
  w.eq.drag(-1, 2, 0);
  EXPECT_EQ(s.raw(kWidth), start + 3);
  w.eq.drag(100000, 0, 0);
  EXPECT_EQ(s.raw(kWidth), map->raw_max());
  w.eq.drag(0, 100000, 0);
  EXPECT_EQ(s.raw(kWidth), map->raw_min());
  EXPECT_FLOAT_EQ(w.eq.band(0).width, map->minimum());
}

TEST(tcPEQDragger, LayersDrawTheCurvesWhereTheyAre) {
  PEQ w;
  const QImage img = tcRenderLayers(w.eq);
  const tcGuiGraph::Axis& y = w.graph.y_axis();
  // The sum passes where its values map, in the sum colour on top.
  const std::vector<float> sum = w.eq.sum();
  for (int col : {80, 130, 250}) {
    const int row = tcGuiGraph::to_pixel(y, sum[col]);
    EXPECT_TRUE(tcNearColour(img.pixel(col, row), kColours[4], 40)) << col;
  }
  // Far above every curve the plot stays dark.
  EXPECT_TRUE(tcNearColour(img.pixel(150, 2), 0xFF000000u, 8));
  // Handles are solid in their band colour; the selected one is outlined in white.
  for (int b = 1; b < 4; ++b) EXPECT_EQ(img.pixel(w.centre(b)), kColours[b]) << b;
  EXPECT_EQ(img.pixel(w.eq.handle(0).topLeft()), 0xFFFFFFFFu);

  // With every band flat, the sum lies on the 0 dB line.
  for (int b = 0; b < 4; ++b) w.eq.set_gain(b, 0.0f);
  const QImage flat = tcRenderLayers(w.eq);
  const int zero = tcGuiGraph::to_pixel(y, 0.0f);
  EXPECT_TRUE(tcNearColour(flat.pixel(10, zero), kColours[4], 40));
  EXPECT_TRUE(tcNearColour(flat.pixel(10, zero - 6), 0xFF000000u, 8));
}

TEST(tcPEQDragger, ColoursComeFromTheSkinByName) {
  tcLogCapture log;
  QTemporaryDir dir;
  QFile f(dir.filePath("skin.xml"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "<skin><color id='PEQ1color' rgb='FF0000'/><color id='DEQ2color' rgb='00FF0080'/>"
      "<color id='PEQSUMcolor' rgb='FFFF00'/><ap_graph id='EQ_GRAPH'/></skin>");
  f.close();
  tcBenchMaster bench(tcString(QFile::encodeName(dir.path()).constData()));
  ASSERT_EQ(bench.load(), 0);
  auto* graph = dynamic_cast<tcGuiApGraph*>(bench.find_object("EQ_GRAPH"));
  ASSERT_NE(graph, nullptr);
  tcLiveSettings live;
  tcPEQDragger eq(graph, &live, kFreq, kWidth, kGain);
  EXPECT_EQ(eq.colour(0), 0xFFFF0000u);
  EXPECT_EQ(eq.colour(1), 0xFFFFFFFFu);
  EXPECT_EQ(eq.colour(4), 0xFFFFFF00u);
  // The difference equaliser names its own colours.
  const char* deq[5] = {"DEQ1color", "DEQ2color", "DEQ3color", "DEQ4color", "DEQSUMcolor"};
  eq.set_colour_names(deq);
  EXPECT_EQ(eq.colour(0), 0xFFFFFFFFu);
  EXPECT_EQ(eq.colour(1), 0x8000FF00u);
  EXPECT_EQ(eq.colour(4), 0xFF808080u);
}

TEST(tcPEQDragger, WorksThroughThePlotThatHoldsIt) {
  tcDraggerWorld w(0, 0, 0.0f, 1.0f);
  w.graph.set_x(10);
  w.graph.set_y(20);
  w.graph.set_width(336);
  w.graph.set_height(168);
  w.graph.set_axis(true, tcGuiGraph::kLog, 20.0f, 20000.0f);
  w.graph.set_axis(false, tcGuiGraph::kLinearFromMax, -15.0f, 15.0f);
  tcPEQDragger eq(&w.graph, &w.live, kFreq, kWidth, kGain);
  w.graph.set_dragger(0, &eq);
  const QRect plot = w.graph.plot_rect();
  EXPECT_EQ(eq.plot_width(), plot.width());
  EXPECT_EQ(eq.plot_height(), w.graph.y_axis().size);
  const QPoint c = eq.handle(3).center() + plot.topLeft() + QPoint(10, 20);
  ASSERT_TRUE(w.graph.left_press(c.x(), c.y()));
  EXPECT_EQ(eq.selected(), 3);
  w.graph.drag(c.x() - 40, c.y() + 30, 0);
  w.graph.release(c.x() - 40, c.y() + 30);
  EXPECT_TRUE(w.graph.changed());
  EXPECT_TRUE(w.send.test(0, kFreq + 3));
  EXPECT_LT(eq.band(3).frequency, 16000.0f);
  EXPECT_LT(eq.band(3).gain, 8.0f);
}
