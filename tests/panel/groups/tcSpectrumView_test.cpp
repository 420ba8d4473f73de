// The live spectrum on the shared graph, on the page test skin: the bands of
// the meter records the window hands the panel, the scale moved by drags and
// wheel steps, and the graph lent to a page and given back.
#include "panel/groups/tcSpectrumView.h"

#include <gtest/gtest.h>

#include <QWheelEvent>

#include "skin/draggers/tcSpectrumDragger.h"
#include "tests/panel/groups/tcPageWorld.h"

namespace {

constexpr uint32_t kAudio = 0xFF40C0FFu;  // the test skin's audio colour
constexpr float kSpan = 48.0f;            // the graph's spectrum range

class SpectrumView : public ::testing::Test {
 protected:
  void SetUp() override {
    world_.bench()->select_page(tcAPBench::kPageInput);
    view_ = world_.spectrum();
    ASSERT_NE(view_, nullptr);
    world_.host().show();
  }
  int centre_of_band(int band) const {
    return tcGuiGraph::to_pixel(world_.graph()->x_axis(),
                                static_cast<float>(tcSpectrum::band_hz(band)));
  }
  // Where a level lies on the plot as the scale stands.
  int row_of(float db) const { return tcGuiGraph::to_pixel(world_.graph()->y_axis(), db); }
  void wheel(QPoint at, int delta) {
    QWheelEvent e(QPointF(at), QPointF(world_.host().mapToGlobal(at)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&world_.host(), &e);
  }

  tcPageWorld world_;
  tcSpectrumView* view_ = nullptr;
};

// The analysis block starts at record byte 184; its spectrum at 185. Band 0:
// record bytes 185 to 200; band 1: 201 to 216; band 30: 665 to 680. The
// loudest bin is the band's level.
const tcMeterRecord kGolden =
    tcPageWorld::record({{185, 255}, {200, 2}, {216, 128}, {665, 1}, {680, 204}, {681, 255}});

TEST_F(SpectrumView, TheSharedGraphShowsTheBandsOfTheNewestRecord) {
  tcGuiApGraph* graph = world_.graph();
  EXPECT_EQ(graph->mode(), tcControlGroupMain::kGraphMode);
  EXPECT_EQ(graph->active_dragger(), view_->dragger());
  EXPECT_FLOAT_EQ(graph->y_axis().maximum, tcSpectrumView::kTopDb);
  EXPECT_FLOAT_EQ(graph->y_axis().maximum - graph->y_axis().minimum, kSpan);
  EXPECT_TRUE(view_->picture().isNull());

  world_.bench()->meter_record(kGolden);
  ASSERT_TRUE(view_->has_levels());
  EXPECT_DOUBLE_EQ(view_->levels()[0], 0.0);
  EXPECT_NEAR(view_->levels()[1], -24.9, 0.01);
  EXPECT_DOUBLE_EQ(view_->levels()[2], -80.0);
  EXPECT_DOUBLE_EQ(view_->levels()[30], -10.0);

  // On the panel: band 0's bar tops the plot, band 1's stands at -24.9 dB,
  // band 2 (below the scale) has none.
  const QImage shot = world_.host().grab().toImage();
  const QPoint plot = QPoint(graph->x(), graph->y()) + graph->plot_rect().topLeft();
  EXPECT_EQ(shot.pixel(plot + QPoint(centre_of_band(0), 0)), kAudio);
  EXPECT_EQ(
      shot.pixel(plot + QPoint(centre_of_band(1), row_of(static_cast<float>(view_->levels()[1])))),
      kAudio);
  EXPECT_NE(shot.pixel(plot + QPoint(centre_of_band(1),
                                     row_of(static_cast<float>(view_->levels()[1])) - 3)),
            kAudio);
  const QRgb floor = view_->picture().pixel(centre_of_band(2), graph->y_axis().size - 1);
  EXPECT_EQ(qAlpha(floor), 0);

  // An oscilloscope frame (bit 0 of the block's first byte) leaves it as it is.
  const qint64 drawn = view_->picture().cacheKey();
  world_.bench()->meter_record(tcPageWorld::record({{184, 1}, {185, 10}, {216, 255}}));
  EXPECT_DOUBLE_EQ(view_->levels()[0], 0.0);
  EXPECT_NEAR(view_->levels()[1], -24.9, 0.01);
  EXPECT_EQ(view_->picture().cacheKey(), drawn);

  // Off-line it empties.
  world_.bench()->set_connection_state(3);
  EXPECT_TRUE(view_->has_levels());
  world_.bench()->set_connection_state(4);
  EXPECT_FALSE(view_->has_levels());
  EXPECT_TRUE(view_->picture().isNull());
}

TEST_F(SpectrumView, DragsAndWheelStepsMoveTheScaleNotItsSpan) {
  world_.bench()->meter_record(kGolden);
  const int height = world_.graph()->y_axis().size;
  const float per_pixel = kSpan / static_cast<float>(height);
  // The scale is at its top: dragging down moves nothing.
  world_.drag(world_.on_plot(QPoint(100, 60)), 0, 12);
  EXPECT_FLOAT_EQ(view_->top_db(), tcSpectrumView::kTopDb);

  // Up by 20 pixels: the bars follow the pointer, drawn afresh.
  const auto band1 = static_cast<float>(view_->levels()[1]);
  const int row = row_of(band1);
  world_.drag(world_.on_plot(QPoint(100, 60)), 0, -20);
  EXPECT_NEAR(view_->top_db(), -20 * per_pixel, 1e-4);
  EXPECT_FLOAT_EQ(world_.graph()->y_axis().minimum, view_->top_db() - kSpan);
  EXPECT_NEAR(row_of(band1), row - 20, 1);
  EXPECT_EQ(view_->picture().pixel(centre_of_band(1), row_of(band1)), kAudio);
  EXPECT_EQ(qAlpha(view_->picture().pixel(centre_of_band(1), row_of(band1) - 3)), 0);

  // A wheel step down takes it back down by its pixels; not past the top.
  wheel(world_.on_plot(QPoint(100, 60)), -120);
  EXPECT_NEAR(view_->top_db(), (-20 + tcSpectrumDragger::kWheelShift) * per_pixel, 1e-4);
  for (int i = 0; i < 5; ++i) wheel(world_.on_plot(QPoint(100, 60)), -120);
  EXPECT_FLOAT_EQ(view_->top_db(), tcSpectrumView::kTopDb);
  // Nor below the lowest top.
  world_.drag(world_.on_plot(QPoint(100, 150)), 0, -150);
  world_.drag(world_.on_plot(QPoint(100, 150)), 0, -150);
  EXPECT_FLOAT_EQ(view_->top_db(), tcSpectrumView::kLowestTopDb);
  EXPECT_FLOAT_EQ(world_.graph()->y_axis().maximum - world_.graph()->y_axis().minimum, kSpan);
}

TEST_F(SpectrumView, APageThatBorrowsTheGraphGivesItBackToTheSpectrum) {
  world_.drag(world_.on_plot(QPoint(100, 60)), 0, -20);
  const float top = view_->top_db();
  world_.bench()->select_page(tcAPBench::kPageParametric);
  tcGuiApGraph* graph = world_.graph();
  EXPECT_NE(graph->active_dragger(), view_->dragger());
  EXPECT_FALSE(view_->shown());
  // Records while the page has the graph neither reach the view nor touch the
  // page's scale.
  const float eq_top = graph->y_axis().maximum;
  world_.bench()->meter_record(kGolden);
  EXPECT_FALSE(view_->has_levels());
  EXPECT_FLOAT_EQ(graph->y_axis().maximum, eq_top);

  world_.bench()->select_page(tcAPBench::kPageInput);
  EXPECT_TRUE(view_->shown());
  EXPECT_FLOAT_EQ(view_->top_db(), top);
  EXPECT_TRUE(graph->y_title().isEmpty());
  world_.bench()->meter_record(kGolden);
  EXPECT_TRUE(view_->has_levels());
}

}  // namespace
