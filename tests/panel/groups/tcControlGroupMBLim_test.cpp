// The multiband limiter graph of the two output pages: the quantity radio
// items, band drags with linked adjusters, the band switches and the output
// equaliser written through the group, the readings the Main group feeds from
// the meter records, and the shared graph handed from page to page.
#include "panel/groups/tcControlGroupMBLim.h"

#include <gtest/gtest.h>

#include "panel/groups/tcControlGroupFMOut.h"
#include "panel/groups/tcControlGroupHDOut.h"
#include "panel/groups/tcControlGroupMain.h"
#include "panel/groups/tcSpectrumView.h"
#include "params/SETTINGS.h"
#include "skin/draggers/tcMBCheckDragger.h"
#include "skin/draggers/tcMBSlideDragger.h"
#include "skin/draggers/tcPEQDragger.h"
#include "skin/draggers/tcSpectrumDragger.h"
#include "skin/objects/tcGuiApGraph.h"
#include "tests/panel/groups/tcPagesWorld.h"

namespace {

using FM = tcControlGroupFMOut;
using HD = tcControlGroupHDOut;
using MB = tcControlGroupMBLim;
constexpr uint16_t kFmThreshold = 0x1510;
constexpr uint16_t kFmAttack = 0x1550;
constexpr uint16_t kFmSwitches = 0x1590;
constexpr uint16_t kFmEqGain = 0x15BC;
constexpr int kBands = tcMBLimGraph::kBandCount;

class BandGraph : public ::testing::Test {
 protected:
  void open(const QString& skin = tcPagesSkin()) {
    world_.open(skin);
    ASSERT_EQ(world_.setup_result(), 0);
    world_.bench()->select_page(tcAPBench::kPageFmOut);
    fm_ = world_.group<FM>(tcAPBench::kFmOut);
    hd_ = world_.group<HD>(tcAPBench::kHdOut);
    ASSERT_TRUE(fm_ && hd_ && fm_->bandGraph() && hd_->bandGraph());
  }
  void SetUp() override { open(); }

  // Panel point of a plot point of a group's graph.
  QPoint on_plot(const MB* g, int x, int y) {
    const tcGuiApGraph* graph = g->graph();
    return graph->area().topLeft() + graph->plot_rect().topLeft() + QPoint(x, y);
  }
  QPoint adjuster(const MB* g, int band) {
    const tcMBSlideDragger* bands = g->bandGraph()->bands();
    return on_plot(g, bands->adjuster_x(band), bands->adjusters().at(band).height);
  }
  void choose(MB* g, int item) { world_.click(g->findObject(item)); }
  SETTINGS& live() { return world_.live(); }

  tcPagesWorld world_;
  FM* fm_ = nullptr;
  HD* hd_ = nullptr;
};

TEST_F(BandGraph, RadioItemsChooseTheQuantityAndItsEditor) {
  EXPECT_EQ(fm_->quantity(), MB::kThreshold);
  EXPECT_STREQ(fm_->bandGraph()->quantity_name().c_str(), "Limiter Thresh");
  EXPECT_EQ(fm_->bandGraph()->active(), fm_->bandGraph()->bands());
  const struct {
    int item;
    int number;
    const char* name;
  } kRows[] = {{FM::kMbTypeAtt, MB::kAttack, "Attack"},
               {FM::kMbTypeRel, MB::kRelease, "Release"},
               {FM::kMbTypeCoupling, MB::kCoupling, "Coupling"},
               {FM::kMbTypeEq, MB::kEq, "EQ"},
               {FM::kMbTypeAutoEq, MB::kAutoEq, "Auto VOX EQ"},
               {FM::kMbTypeThr, MB::kThreshold, "Limiter Thresh"}};
  for (const auto& row : kRows) {
    choose(fm_, row.item);
    EXPECT_EQ(fm_->quantity(), row.number);
    EXPECT_STREQ(fm_->bandGraph()->quantity_name().c_str(), row.name);
  }
  choose(fm_, FM::kMbTypeCoupling);
  EXPECT_EQ(fm_->bandGraph()->active(), fm_->bandGraph()->switches());
  choose(fm_, FM::kMbTypeEq);
  EXPECT_EQ(fm_->bandGraph()->active(), fm_->bandGraph()->equaliser());
  EXPECT_FLOAT_EQ(fm_->graph()->y_axis().maximum, MB::kEqRangeDb);
  choose(fm_, FM::kMbTypeAutoEq);
  EXPECT_EQ(fm_->bandGraph()->active(), nullptr);

  // The HD page's fourth item stands for the equaliser's number, 4.
  world_.bench()->select_page(tcAPBench::kPageHdOut);
  choose(hd_, HD::kMbTypeEq);
  EXPECT_EQ(hd_->quantity(), MB::kEq);
  EXPECT_EQ(hd_->bandGraph()->switches(), nullptr);
}

TEST_F(BandGraph, AdjustersShowTheBandParametersOfTheQuantity) {
  live().set_float(kFmAttack + 7, 40.0f, kSourceProcessor);
  choose(fm_, FM::kMbTypeAtt);
  const tcDraggerAdjusters& adj = fm_->bandGraph()->bands()->adjusters();
  EXPECT_FLOAT_EQ(adj.at(7).value, 40.0f);
  EXPECT_FLOAT_EQ(fm_->graph()->y_axis().minimum, live().float_min(kFmAttack));
  EXPECT_FLOAT_EQ(fm_->graph()->y_axis().maximum, live().float_max(kFmAttack));

  live().set_float(kFmAttack + 8, 80.0f, kSourceProcessor);
  world_.bench()->parameter_changed(kFmAttack + 8, 0);
  EXPECT_FLOAT_EQ(adj.at(8).value, 80.0f);
  EXPECT_LT(adj.at(8).height, adj.at(7).height);  // longer is higher
}

TEST_F(BandGraph, ADragOfALinkedAdjusterWritesItsFollowers) {
  const tcDraggerAdjusters& adj = fm_->bandGraph()->bands()->adjusters();
  // Three linked adjusters (9 to 11) in a row of independent ones.
  for (int band : {9, 10, 11})
    QTest::mouseDClick(&world_.host(), Qt::LeftButton, {}, adjuster(fm_, band));
  ASSERT_FALSE(adj.at(10).independent);
  ASSERT_TRUE(adj.at(8).independent);

  world_.drag(adjuster(fm_, 10), adjuster(fm_, 10) - QPoint(0, 20));
  const float moved = live().eng(kFmThreshold + 10);
  EXPECT_GT(moved, 1.0f);
  for (int band : {9, 11}) {
    EXPECT_FLOAT_EQ(live().eng(static_cast<uint16_t>(kFmThreshold + band)), moved) << band;
    EXPECT_TRUE(world_.sent(static_cast<uint16_t>(kFmThreshold + band))) << band;
  }
  for (int band : {8, 12}) {
    EXPECT_FLOAT_EQ(live().eng(static_cast<uint16_t>(kFmThreshold + band)), 0.0f) << band;
    EXPECT_FALSE(world_.sent(static_cast<uint16_t>(kFmThreshold + band))) << band;
  }

  // Linked all through, the whole row follows; an independent one alone does not.
  fm_->bandGraph()->bands()->slot_group_all();
  world_.drag(adjuster(fm_, 20), adjuster(fm_, 20) + QPoint(0, 10));
  const float lowered = live().eng(kFmThreshold + 20);
  EXPECT_LT(lowered, 0.0f);
  const float raised = live().eng(kFmThreshold + 10);
  EXPECT_LT(raised, moved);
  EXPECT_GT(raised, lowered);
  for (int band = 0; band < kBands; ++band) {
    EXPECT_FLOAT_EQ(live().eng(static_cast<uint16_t>(kFmThreshold + band)),
                    band >= 9 && band <= 11 ? raised : lowered)
        << band;
  }
}

TEST_F(BandGraph, BandSwitchesAndTheEqualiserWriteTheLiveSet) {
  choose(fm_, FM::kMbTypeCoupling);
  tcMBCheckDragger* switches = fm_->bandGraph()->switches();
  const int row_y = tcMBCheckDragger::kFirstRowTop + 5;
  const uint8_t before = live().bool_value(kFmSwitches + 4);
  world_.click_at(on_plot(fm_, switches->column_x(4), row_y));
  EXPECT_NE(live().bool_value(kFmSwitches + 4), before);
  EXPECT_TRUE(world_.sent(kFmSwitches + 4));
  EXPECT_EQ(switches->rows().flag(0, 4), live().bool_value(kFmSwitches + 4) != 0);

  choose(fm_, FM::kMbTypeEq);
  tcPEQDragger* eq = fm_->bandGraph()->equaliser();
  EXPECT_FLOAT_EQ(eq->band(0).gain, live().eng(kFmEqGain));
  const float gain = live().eng(kFmEqGain + 1);
  const QPoint handle = on_plot(fm_, eq->handle(1).center().x(), eq->handle(1).center().y());
  world_.drag(handle, handle - QPoint(0, 6));
  EXPECT_GT(live().eng(kFmEqGain + 1), gain);
  EXPECT_TRUE(world_.sent(kFmEqGain + 1));

  live().set_float(kFmEqGain + 3, -2.5f, kSourceProcessor);
  world_.bench()->parameter_changed(kFmEqGain + 3, 0);
  EXPECT_FLOAT_EQ(eq->band(3).gain, live().eng(kFmEqGain + 3));
}

TEST_F(BandGraph, MeterRecordsFeedTheGraphOfThePageShown) {
  std::vector<std::pair<size_t, uint8_t>> bytes;
  for (size_t b = 0; b < kBands; ++b) {
    bytes.push_back({114 + b, static_cast<uint8_t>(b + 1)});    // FM reductions
    bytes.push_back({83 + b, static_cast<uint8_t>(40 + b)});    // FM automatic equaliser
    bytes.push_back({152 + b, static_cast<uint8_t>(100 + b)});  // HD reductions
  }
  bytes.push_back({82, 7});
  bytes.push_back({151, 9});
  const tcMeterRecord record = tcMeterRecordWith(bytes);

  world_.bench()->meter_record(record);
  const tcMBLimGraph* fm = fm_->bandGraph();
  for (int b = 0; b < kBands; ++b) {
    EXPECT_EQ(fm->reduction(b), b + 1);
    EXPECT_EQ(fm->auto_eq(b), 40 + b);
  }
  EXPECT_EQ(fm->clip(), 7);
  EXPECT_EQ(hd_->bandGraph()->reduction(0), tcMeterRecord::kNoValue);

  world_.bench()->select_page(tcAPBench::kPageHdOut);
  world_.bench()->meter_record(record);
  const tcMBLimGraph* hd = hd_->bandGraph();
  for (int b = 0; b < kBands; ++b) {
    EXPECT_EQ(hd->reduction(b), 100 + b);
    EXPECT_EQ(hd->auto_eq(b), tcMeterRecord::kNoValue);
  }
  EXPECT_EQ(hd->clip(), 9);
}

TEST(BandGraphShared, WithoutAGraphOfItsOwnThePageTakesTheSharedOneWhileShown) {
  QTemporaryDir dir;
  tcPagesWorld world;
  world.open(tcFrontPanelSkinWithout(dir, {"FMO_GRAPH"}, tcPagesSkin()));
  ASSERT_EQ(world.setup_result(), 0);
  auto* fm = world.group<FM>(tcAPBench::kFmOut);
  auto* hd = world.group<HD>(tcAPBench::kHdOut);
  tcGuiApGraph* shared = world.bench()->main_graph();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(fm->graph(), shared);

  const tcGuiGraph::Axis own = shared->y_axis();
  world.bench()->select_page(tcAPBench::kPageFmOut);
  EXPECT_EQ(shared->active_dragger(), fm->bandGraph());
  world.bench()->select_page(tcAPBench::kPageHdOut);
  EXPECT_EQ(shared->active_dragger(), hd->bandGraph());
  EXPECT_FLOAT_EQ(shared->y_axis().maximum, world.live().float_max(0x1730));
  // Given back as it was found, to the spectrum.
  world.bench()->select_page(tcAPBench::kPageSystem);
  EXPECT_EQ(shared->dragger(0), nullptr);
  EXPECT_EQ(shared->dragger(1), world.bench()->main_group()->spectrum()->dragger());
  EXPECT_FLOAT_EQ(shared->y_axis().minimum, own.minimum);
  EXPECT_FLOAT_EQ(shared->y_axis().maximum, own.maximum);

  // A refresh while another page shows leaves the shared axes alone.
  shared->set_axis(false, tcGuiGraph::kLinearFromMax, -30.0f, 30.0f);
  fm->refreshAll();
  hd->refreshAll();
  EXPECT_FLOAT_EQ(shared->y_axis().maximum, 30.0f);
}

}  // namespace
