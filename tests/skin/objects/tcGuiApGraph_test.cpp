#include "skin/objects/tcGuiApGraph.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/skin/objects/tcPanelWorld.h"

namespace {

TEST(GuiApGraph, ForwardsInputInPlotCoordinatesToTheActiveDragger) {
  tcPanelWorld w;
  tcGuiApGraph* g = w.get<tcGuiApGraph>("EQ_GRAPH");
  tcRecordingDragger first(g);
  tcRecordingDragger second(g);
  g->set_dragger(0, &first);
  g->set_dragger(1, &second);
  const QRect plot = g->plot_rect().translated(g->x(), g->y());
  EXPECT_EQ(g->x_axis().size, plot.width());
  EXPECT_EQ(first.plot_width(), plot.width());
  const QPoint at = plot.topLeft() + QPoint(50, 20);
  w.press(at);
  w.move(at + QPoint(4, -3));
  w.release(at + QPoint(4, -3));
  ASSERT_EQ(first.presses.size(), 1u);
  EXPECT_EQ(first.presses[0], QPoint(50, 20));
  ASSERT_EQ(first.drags.size(), 1u);
  EXPECT_EQ(first.drags[0], QPoint(4, -3));
  EXPECT_EQ(first.releases, 1);
  EXPECT_TRUE(g->changed());
  g->clear_changed();

  // Mode bit 0 hands the plot to the second dragger, except beside the plot.
  g->set_mode(1);
  w.press(at);
  w.release(at);
  EXPECT_EQ(second.presses.size(), 1u);
  const QPoint gutter(g->x() + 5, at.y());
  w.press(gutter);
  w.release(gutter);
  EXPECT_EQ(first.presses.size(), 2u);
  EXPECT_EQ(first.presses[1].x(), 5 - g->plot_rect().x());
  w.wheel(at, -720);
  ASSERT_EQ(second.steps.size(), 1u);
  EXPECT_EQ(second.steps[0], -1);

  // The dragger's layers are drawn inside the plot.
  g->set_mode(0);
  const QImage img = w.render();
  const int col = 150;
  const int row = tcGuiGraph::to_pixel(
      g->y_axis(),
      6.0f / (1.0f + std::pow(tcGuiGraph::to_value(g->x_axis(), col) / 1000.0f, -2.0f)) - 3.0f);
  EXPECT_EQ(QColor(img.pixel(plot.x() + col, plot.y() + row)).green(), 0xFF);
}

TEST(GuiApGraph, MarksOfItsOwnerReplaceTheAutomaticGrid) {
  tcPanelWorld w;
  tcGuiApGraph* g = w.get<tcGuiApGraph>("EQ_GRAPH");
  const QRect plot = g->plot_rect().translated(g->x(), g->y());
  // A column clear of the frequency grid.
  const int col = plot.x() + tcGuiGraph::to_pixel(g->x_axis(), 150.0f);
  const auto line_at = [&](const QImage& img, float db) {
    return img.pixel(col, plot.y() + tcGuiGraph::to_pixel(g->y_axis(), db)) == 0xFF34404Cu;
  };
  QImage img = w.render();
  EXPECT_TRUE(line_at(img, -10.0f));
  EXPECT_FALSE(line_at(img, -12.0f));

  g->set_marks(false, {{-12.0f, "-12"}, {6.0f, "+6"}});
  img = w.render();
  EXPECT_TRUE(line_at(img, -12.0f));
  EXPECT_TRUE(line_at(img, 6.0f));
  EXPECT_FALSE(line_at(img, -10.0f));

  g->set_marks(false, {});
  EXPECT_TRUE(line_at(w.render(), -10.0f));
}

}  // namespace

TEST(GuiApGraph, TitlesTakeRoomOfTheirOwnBesideThePlot) {
  tcPanelWorld w;
  tcGuiApGraph* g = w.get<tcGuiApGraph>("EQ_GRAPH");
  tcRecordingDragger d(g);
  g->set_dragger(0, &d);
  const QRect bare = g->plot_rect();
  const QColor gutter = QColor::fromRgba(g->colour(tcGuiGraph::kGutterBg));
  // Ink in a strip of the graph (graph coordinates).
  const auto inked = [&](const QImage& img, const QRect& strip) {
    for (int y = strip.top(); y <= strip.bottom(); ++y) {
      for (int x = strip.left(); x <= strip.right(); ++x) {
        if (QColor(img.pixel(g->x() + x, g->y() + y)) != gutter) return true;
      }
    }
    return false;
  };
  const QRect column(0, bare.top(), tcGuiGraph::kTitleColumn, bare.height());
  EXPECT_FALSE(inked(w.render(), column));

  g->set_titles("Response", "Boost / Cut dB");
  const QRect plot = g->plot_rect();
  EXPECT_EQ(plot.left(), bare.left() + tcGuiGraph::kTitleColumn);
  EXPECT_EQ(plot.top(), bare.top() + tcGuiGraph::kTitleRow);
  EXPECT_EQ(plot.right(), bare.right());
  EXPECT_EQ(plot.bottom(), bare.bottom());
  // The axes and the dragger follow the smaller plot.
  EXPECT_EQ(g->x_axis().size, plot.width());
  EXPECT_EQ(d.plot_height(), plot.height());
  // Both titles are drawn in their room, off the plot.
  const QImage img = w.render();
  EXPECT_TRUE(inked(img, QRect(0, plot.top(), tcGuiGraph::kTitleColumn, plot.height())));
  EXPECT_TRUE(inked(img, QRect(plot.left(), plot.top() - tcGuiGraph::kTitleRow, plot.width(),
                               tcGuiGraph::kTitleRow)));

  g->set_titles("", "");
  EXPECT_EQ(g->plot_rect(), bare);
  EXPECT_EQ(d.plot_width(), bare.width());
}
