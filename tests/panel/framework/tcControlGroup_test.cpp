// The control-group framework on the front-panel test skin: binding, the three
// binding tables driven by real mouse events and by changes from elsewhere,
// and the GUI lock as the controls meet it.
#include "panel/framework/tcControlGroup.h"

#include <gtest/gtest.h>

#include <vector>

#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiDisplay.h"
#include "skin/objects/tcGuiKnob.h"
#include "tests/panel/tcFrontPanelWorld.h"
#include "tests/panel/tcGroupCheck.h"

namespace {

constexpr uint16_t kGain = 0x1001;      // float, gain table, -36 to +12 dB
constexpr uint16_t kMono = 0x1005;      // switch
constexpr uint16_t kCrash = 0x1007;     // switch
constexpr uint16_t kSst = 0x1440;       // integer 0 to 2
constexpr uint16_t kConverge = 0x1131;  // float, time table
constexpr uint16_t kTestOsc = 0x2006;   // global switch

enum { kKnob = 7002, kDisplay, kCheck, kGlobalCheck, kList, kFormatted, kGroup, kMissing, kNone };

const tcControlGroup::NameRow kNames[] = {
    {7001, "TEST_FREE_DRAW"},      {kKnob, "TEST_KNOB"},
    {kDisplay, "TEST_DSPY"},       {kCheck, "TEST_CHECK"},
    {kGlobalCheck, "TEST_GCHECK"}, {kList, "TEST_LIST"},
    {kFormatted, "TEST_FLIST"},    {kGroup, "TEST_GROUP"},
    {kMissing, "NO_SUCH_OBJECT"},  {0, nullptr},
};
const tcControlGroup::SwitchRow kSwitches[] = {
    {kNone, 0, 0},  // bound to nothing
    {kCheck, kMono, 0},
    {kCheck, kCrash, 0},  // a second row of the same control is never used
    {kGlobalCheck, 0, kTestOsc},
    {tcControlGroup::kEnd, 0, 0},
};
const tcControlGroup::ValueRow kValues[] = {
    {kList, kSst, 0, nullptr},
    {kFormatted, kConverge, 1, "mS"},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};
const tcControlGroup::KnobRow kKnobs[] = {
    {kKnob, kDisplay, kGain, "dB"},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

class TestGroup : public tcControlGroup {
 public:
  explicit TestGroup(tcAPBench* bench) : tcControlGroup(bench, kNames) {
    setTables(kSwitches, kValues, kKnobs);
    setListItems(kList, {"Off", "Slow", "Fast"});
    refreshAll();
  }
  void refreshAll() override {
    setupRange(kKnob, kGain, kDisplay, "dB");
    refreshSwitches();
    refreshValues();
    refreshKnobs();
  }
};

class TestBench : public tcAPBench {
 public:
  using tcAPBench::tcAPBench;
  TestGroup* test() const { return static_cast<TestGroup*>(group(kInput)); }

 protected:
  void create_groups() override { add_group(std::make_unique<TestGroup>(this), kInput); }
};

class ControlGroup : public ::testing::Test {
 protected:
  void SetUp() override {
    bench_ = world_.show<TestBench>();
    ASSERT_EQ(world_.setup_result(), 0);
    group_ = bench_->test();
    group_->show(true);
  }

  tcGuiObject* object(int id) { return group_->findObject(id); }
  bool sent(uint16_t id) { return world_.stores().bank_send().test(0, id); }
  bool global_sent(uint16_t id) { return world_.stores().globals_send().test(id); }
  void clear_sent() {
    world_.stores().bank_send().clear_all(0);
    world_.stores().globals_send().clear_all();
  }

  tcFrontPanelWorld world_;
  TestBench* bench_ = nullptr;
  TestGroup* group_ = nullptr;
};

TEST_F(ControlGroup, BindsNamesObjectGroupsAndSkipsWhatTheSkinLacks) {
  tcExpectGroupMatchesSkin(*group_, {{7001, {}}}, {"TEST_FREE_DRAW", "NO_SUCH_OBJECT"});
  EXPECT_EQ(group_->findObject(kMissing), nullptr);

  // The container's members, nested ones too, are bound under id 0.
  const tcControlGroup::SkinGroup* g = group_->findObjectGroup(kGroup);
  ASSERT_NE(g, nullptr);
  ASSERT_EQ(g->members->size(), 2u);
  EXPECT_STREQ((*g->members)[0]->name().c_str(), "TEST_GROUP::FIRST");
  EXPECT_STREQ((*g->members)[1]->name().c_str(), "TEST_GROUP::INNER::SECOND");
  EXPECT_EQ(group_->findObject(0), nullptr);
  EXPECT_TRUE((*g->members)[1]->visible());

  group_->show(false);
  for (const auto& b : group_->objects()) EXPECT_FALSE(b.object->visible()) << b.name.c_str();
}

TEST_F(ControlGroup, AKnobDragWritesTheParameterAndItsDisplayFollowsTheStore) {
  auto* knob = static_cast<tcGuiKnob*>(object(kKnob));
  EXPECT_EQ(knob->minimum(), static_cast<int>(world_.live().map(kGain)->raw_min()));
  EXPECT_EQ(knob->maximum(), static_cast<int>(world_.live().map(kGain)->raw_max()));
  const uint32_t before = world_.live().raw(kGain);
  EXPECT_EQ(knob->value(), static_cast<int>(before));
  auto* display = static_cast<tcGuiDisplay*>(object(kDisplay));
  EXPECT_TRUE(display->editable());
  EXPECT_STREQ(display->units().c_str(), "dB");

  world_.drag_up(knob, 5);
  EXPECT_EQ(world_.live().raw(kGain), before + 5);
  EXPECT_EQ(knob->value(), static_cast<int>(before + 5));
  EXPECT_TRUE(sent(kGain));
  EXPECT_EQ(display->text(), world_.live().format(kGain));
}

TEST_F(ControlGroup, AProcessorChangeRedrawsTheControlsWithoutAnEcho) {
  SETTINGS& live = world_.live();
  live.set_float(kGain, -6.0f, kSourceProcessor);
  live.set_bool(kMono, 1, kSourceProcessor);
  live.set_int(kSst, 2, kSourceProcessor);
  live.set_raw(kConverge, live.raw(kConverge) + 3, kSourceProcessor);
  for (uint16_t id : {kGain, kMono, kSst, kConverge}) bench_->parameter_changed(id, 0);

  EXPECT_EQ(object(kKnob)->value(), static_cast<int>(live.raw(kGain)));
  EXPECT_EQ(object(kDisplay)->text(), live.format(kGain));
  EXPECT_EQ(object(kCheck)->value(), 1);
  EXPECT_EQ(static_cast<tcGuiCombo*>(object(kList))->index(), 2);
  EXPECT_EQ(object(kFormatted)->text(), live.format(kConverge));
  for (uint16_t id : {kGain, kMono, kSst, kConverge}) EXPECT_FALSE(sent(id)) << id;

  // Another live set is not the panel's.
  live.set_float(kGain, 0.0f, kSourceSilent);
  bench_->parameter_changed(kGain, 3);
  EXPECT_NE(object(kDisplay)->text(), live.format(kGain));
}

TEST_F(ControlGroup, CheckBoxesWriteTheirParameterOrGlobalByTheFirstRow) {
  world_.click(object(kCheck));
  EXPECT_EQ(world_.live().bool_value(kMono), 1);
  EXPECT_TRUE(sent(kMono));
  EXPECT_EQ(world_.live().bool_value(kCrash), 0);  // the second row of the control

  world_.click(object(kGlobalCheck));
  EXPECT_EQ(world_.stores().globals().bool_value(kTestOsc), 1);
  EXPECT_TRUE(global_sent(kTestOsc));

  world_.stores().globals().set_bool(kTestOsc, 0, kSourceProcessor);
  bench_->global_changed(kTestOsc);
  EXPECT_EQ(object(kGlobalCheck)->value(), 0);

  // A row bound to nothing is neither refreshed nor written.
  clear_sent();
  group_->setSwitch(kNone, 1);
  group_->refreshSwitches();
  EXPECT_FALSE(world_.stores().bank_send().record(0)->any());
  EXPECT_FALSE(world_.stores().globals_send().any());
}

TEST_F(ControlGroup, ListStepsTakeAnIndexOrAStepThatStopsAtZero) {
  auto* list = static_cast<tcGuiCombo*>(object(kList));
  list->step(1);
  EXPECT_EQ(world_.live().int_value(kSst), 1u);
  EXPECT_TRUE(sent(kSst));

  auto* formatted = static_cast<tcGuiCombo*>(object(kFormatted));
  const uint32_t start = world_.live().raw(kConverge);
  formatted->step(2);
  EXPECT_EQ(world_.live().raw(kConverge), start + 2);
  EXPECT_EQ(formatted->text(), world_.live().format(kConverge));
  formatted->step(-100000);
  EXPECT_EQ(world_.live().raw(kConverge), world_.live().map(kConverge)->raw_min());
}

TEST_F(ControlGroup, TypedNumbersAreConvertedByTheParameterMap) {
  group_->onDisplayText(kDisplay, "-6.5");
  EXPECT_EQ(world_.live().raw(kGain), world_.live().eng_to_raw(kGain, -6.5f));
  EXPECT_EQ(object(kKnob)->value(), static_cast<int>(world_.live().raw(kGain)));
  EXPECT_EQ(object(kDisplay)->text(), world_.live().format(kGain));

  // Past the maximum the store clamps, and the knob shows what was stored.
  group_->onDisplayText(kDisplay, "40");
  EXPECT_FLOAT_EQ(world_.live().eng(kGain), 12.0f);
  EXPECT_EQ(object(kKnob)->value(), static_cast<int>(world_.live().raw(kGain)));

  const uint32_t kept = world_.live().raw(kGain);
  group_->onDisplayText(kDisplay, "loud");
  EXPECT_EQ(world_.live().raw(kGain), kept);

  group_->onListText(kFormatted, "250");
  EXPECT_EQ(world_.live().raw(kConverge), world_.live().eng_to_raw(kConverge, 250.0f));
  EXPECT_EQ(group_->knobForDisplay(kDisplay), kKnob);
  EXPECT_EQ(group_->knobForDisplay(kKnob), -1);
}

TEST_F(ControlGroup, TheLockIsAskedByControlIdAndStopsWhatItRefuses) {
  auto* knob = object(kKnob);
  const uint32_t before = world_.live().raw(kGain);
  std::vector<int> asked;
  bool refuse = false;
  bench_->set_access_checker([&](int control_id) {
    asked.push_back(control_id);
    return refuse;
  });

  world_.drag_up(knob, 2);
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.front(), kKnob);
  EXPECT_EQ(world_.live().raw(kGain), before + 2);

  refuse = true;
  world_.drag_up(knob, 3);
  EXPECT_EQ(world_.live().raw(kGain), before + 2);

  // Without a checker nothing is restricted.
  bench_->set_access_checker(nullptr);
  world_.drag_up(knob, 1);
  EXPECT_EQ(world_.live().raw(kGain), before + 3);
}

}  // namespace
