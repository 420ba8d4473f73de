// The AGC and compressor page on the page test skin: its names (two ids carry
// two names each), the band graph editing the quantity chosen by `COMP_TYPE`,
// the SST pair on one parameter, the stepped lists and the crossovers on the
// graph, the section switches and the band readings of the meter records.
#include "panel/groups/tcControlGroupCompressor.h"

#include <gtest/gtest.h>

#include <map>

#include "params/SETTINGS.h"
#include "skin/draggers/tcCompDragger.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "skin/objects/tcGuiRadioItem.h"
#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/groups/tcPageWorld.h"

namespace {

using G = tcControlGroupCompressor;

class CompressorPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(world_.setup_result(), 0);
    group_ = world_.group<G>(tcAPBench::kCompressor);
    ASSERT_NE(group_, nullptr);
    world_.bench()->select_page(tcAPBench::kPageCompressor);
    world_.host().show();
  }
  tcGuiObject* object(int id) const { return group_->findObject(id); }
  // Every per-band value of the nine quantities.
  std::map<uint16_t, uint32_t> band_values() {
    std::map<uint16_t, uint32_t> values;
    for (const G::Quantity& q : G::kQuantityTable) {
      for (int b = 0; b < G::kBands; ++b) {
        const auto id = static_cast<uint16_t>(q.first + b);
        values[id] = world_.live().raw(id);
      }
    }
    return values;
  }

  tcPageWorld world_;
  G* group_ = nullptr;
};

TEST_F(CompressorPage, EveryNameFindsItsObjectAndTheSharedIdsFindTheCrossovers) {
  // The page keeps its controls out of the tables.
  EXPECT_EQ(group_->switchTable()->control, tcControlGroup::kEnd);
  EXPECT_EQ(group_->valueTable()->control, tcControlGroup::kEnd);
  EXPECT_EQ(group_->knobTable()->knob, tcControlGroup::kEnd);

  for (int knob : {G::kDriveKnob, G::kMakeupKnob, G::kFreezeDelayKnob, G::kBackoffKnob,
                   G::kSstRampKnob, G::kSstWindowKnob}) {
    EXPECT_EQ(group_->knobForDisplay(knob + 1), knob);
  }
  // 3039 and 3040 are the crossovers: the radio items of the same ids are
  // bound too, but no lookup by id reaches them.
  tcExpectGroupMatchesSkin(*group_, tcGroupKinds(tcAPBench::kCompressor));
  EXPECT_STREQ(object(3039)->name().c_str(), "COMP_5XFR3");
  EXPECT_STREQ(object(3040)->name().c_str(), "COMP_5XFR4");
  int items = 0;
  for (const auto& b : group_->objects()) items += b.id == 3039 || b.id == 3040;
  EXPECT_EQ(items, 4);
}

TEST_F(CompressorPage, ABandDragWritesTheBandOfTheChosenQuantity) {
  const auto* types = static_cast<tcGuiRadioGroup*>(object(G::kType));
  ASSERT_EQ(static_cast<int>(types->items().size()), G::kQuantities);
  tcCompDragger* d = group_->dragger();
  ASSERT_EQ(world_.graph()->active_dragger(), d);
  for (int q = 0; q < G::kQuantities; ++q) {
    world_.click(types->items()[q]);
    ASSERT_EQ(group_->quantity(), q);
    EXPECT_EQ(world_.graph()->y_title(), G::kQuantityTable[q].name);
    world_.clear_sent();
    const std::map<uint16_t, uint32_t> before = band_values();
    // Band 2 from the middle of its zone, upwards.
    const QPoint at = world_.on_plot(QPoint(d->adjuster_x(2), d->adjusters().at(2).height));
    world_.drag(at, 0, -25);
    const auto moved = static_cast<uint16_t>(G::kQuantityTable[q].first + 2);
    const std::map<uint16_t, uint32_t> after = band_values();
    for (const auto& v : after) {
      if (v.first == moved) {
        EXPECT_NE(v.second, before.at(v.first)) << G::kQuantityTable[q].name;
        EXPECT_TRUE(world_.sent(v.first));
      } else {
        EXPECT_EQ(v.second, before.at(v.first)) << G::kQuantityTable[q].name << " " << v.first;
      }
    }
    // The adjuster stands at the stored value.
    EXPECT_FLOAT_EQ(d->adjusters().at(2).value, world_.live().eng(moved));
  }
}

TEST_F(CompressorPage, TheGraphShowsTheQuantityOnItsOwnScaleAndFollowsTheProcessor) {
  const tcGuiApGraph* graph = world_.graph();
  tcCompDragger* d = group_->dragger();
  // Attack times: largest at the top.
  EXPECT_EQ(graph->title(), G::kTitle);
  EXPECT_LT(tcGuiGraph::to_pixel(graph->y_axis(), 300.0f),
            tcGuiGraph::to_pixel(graph->y_axis(), 70.0f));
  ASSERT_EQ(graph->marks(false).size(), 3u);
  EXPECT_EQ(graph->marks(false).front().label, "300");

  world_.from_processor(0x142A, world_.live().eng_to_raw(0x142A, 400.0f));
  EXPECT_FLOAT_EQ(d->adjusters().at(1).value, 400.0f);
  EXPECT_FALSE(world_.anything_sent());

  group_->onRadioSelected(G::kType, 6);
  ASSERT_EQ(graph->marks(false).size(), 4u);
  EXPECT_EQ(graph->marks(false).front().label, " 14:1");
  EXPECT_FLOAT_EQ(d->adjusters().at(0).value, world_.live().eng(0x1410));
  // Another page gives the graph back to the spectrum with its own scale.
  world_.bench()->select_page(tcAPBench::kPageInput);
  EXPECT_TRUE(graph->marks(false).empty());
  EXPECT_EQ(graph->active_dragger(), world_.spectrum()->dragger());
}

TEST_F(CompressorPage, TheSstButtonsShareOneParameter) {
  tcGuiObject* a = object(G::kSstEnableA);
  tcGuiObject* b = object(G::kSstEnableB);
  world_.click(a);
  EXPECT_EQ(world_.live().int_value(G::kSstParam), 1u);
  EXPECT_EQ(a->value(), 1);
  EXPECT_EQ(b->value(), 0);
  world_.click(b);
  EXPECT_EQ(world_.live().int_value(G::kSstParam), 2u);
  EXPECT_EQ(a->value(), 0);
  EXPECT_EQ(b->value(), 1);
  // Switching off the one that is not stored changes nothing.
  group_->setSwitch(G::kSstEnableA, 0);
  EXPECT_EQ(world_.live().int_value(G::kSstParam), 2u);
  EXPECT_EQ(b->value(), 1);
  world_.click(b);
  EXPECT_EQ(world_.live().int_value(G::kSstParam), 0u);
  EXPECT_EQ(b->value(), 0);
  EXPECT_TRUE(world_.sent(G::kSstParam));

  world_.from_processor(G::kSstParam, 1);
  EXPECT_EQ(a->value(), 1);
  EXPECT_EQ(b->value(), 0);
}

TEST_F(CompressorPage, ListsStepFromTheirValueAndTheCrossoversMoveTheBands) {
  tcCompDragger* d = group_->dragger();
  const int middle_before = d->adjuster_x(1);
  const uint32_t start = world_.live().raw(0x1404);
  auto* xfr2 = static_cast<tcGuiCombo*>(object(G::kCrossover2));
  xfr2->step(5);
  EXPECT_EQ(world_.live().raw(0x1404), start + 5);
  EXPECT_EQ(xfr2->text(), world_.live().format(0x1404));
  EXPECT_TRUE(world_.sent(0x1404));
  EXPECT_GT(d->adjuster_x(1), middle_before);

  // A step below the bottom stops at the minimum rather than wrapping to the top.
  auto* dmstr = static_cast<tcGuiCombo*>(object(G::kDiffMakeup));
  dmstr->step(-100000);
  EXPECT_EQ(world_.live().raw(0x140A), world_.live().map(0x140A)->raw_min());

  group_->onListText(G::kCrossover4, "10000");
  EXPECT_EQ(world_.live().raw(0x1406), world_.live().eng_to_raw(0x1406, 10000.0f));
  EXPECT_EQ(object(G::kCrossover4)->text(), world_.live().format(0x1406));

  // The processor moves a crossover: list and graph follow.
  const int before = d->adjuster_x(0);
  world_.from_processor(0x1403, world_.live().map(0x1403)->raw_min());
  EXPECT_EQ(object(G::kCrossover1)->text(), world_.live().format(0x1403));
  EXPECT_LT(d->adjuster_x(0), before);
}

TEST_F(CompressorPage, SectionSwitchesRefreshTheFlowButton) {
  auto* flow = static_cast<tcGuiButton*>(
      world_.bench()->main_group()->findObject(tcControlGroupMain::kFlowComp));
  EXPECT_EQ(flow->display_state(), 3);
  world_.click(object(G::kCompEnable));
  EXPECT_EQ(world_.live().bool_value(G::kCompParam), 1);
  EXPECT_TRUE(world_.sent(G::kCompParam));
  EXPECT_EQ(flow->display_state(), 1);
  world_.click(object(G::kAgcEnable));
  world_.click(object(G::kCompEnable));
  EXPECT_EQ(flow->display_state(), 1);  // the AGC still works
  world_.click(object(G::kAgcEnable));
  EXPECT_EQ(flow->display_state(), 3);
}

TEST_F(CompressorPage, KnobPairsWriteAndTypedValuesConvert) {
  world_.drag(object(G::kDriveKnob)->area().center(), 0, -3);
  const uint32_t raw = world_.live().raw(0x1407);
  EXPECT_EQ(raw, world_.live().eng_to_raw(0x1407, -10.0f) + 3);
  EXPECT_EQ(object(G::kDriveDisplay)->text(), world_.live().format(0x1407));
  group_->onDisplayText(G::kBackoffDisplay, "-2.5");
  EXPECT_FLOAT_EQ(world_.live().eng(0x1402), -2.5f);
  EXPECT_EQ(object(G::kBackoffKnob)->value(), static_cast<int>(world_.live().raw(0x1402)));
  world_.click(world_.named("AGC_FRZMOD_GATE"));
  EXPECT_EQ(world_.live().int_value(G::kFreezeModeParam), 1u);
}

TEST_F(CompressorPage, TheMeterRecordsFeedTheReductionTraces) {
  world_.live().set_int(G::kSstParam, 1, kSourceSilent);
  world_.bench()->meter_record(
      tcPageWorld::record({{54, 4}, {58, 255}, {59, 8}, {64, 12}, {68, 40}, {69, 10}}));
  const tcCompDragger* d = group_->dragger();
  ASSERT_EQ(d->trace(0).size(), 5u);
  EXPECT_FLOAT_EQ(d->trace(0)[0], 1.0f);
  EXPECT_FLOAT_EQ(d->trace(0)[4], 0.0f);  // no value
  EXPECT_FLOAT_EQ(d->trace(1)[0], 2.0f);
  EXPECT_FLOAT_EQ(d->trace(2)[4], 10.0f);
  EXPECT_EQ(world_.graph()->title(), "Gain Reduction dB   SST 2.5");
  // The options choose the traces: AGC and the third shown, compressor not.
  EXPECT_TRUE(d->trace_shown(0));
  EXPECT_FALSE(d->trace_shown(1));
  EXPECT_TRUE(d->trace_shown(2));

  world_.screenshot("compressor");
}

}  // namespace
