// The input page on the page test skin: its names and kinds, the high-pass
// filter's stereo mode, the engineering-mode VOX controls, the source radio
// groups and the status lamps, driven by real clicks and by the routes a
// change from elsewhere takes.
#include "panel/groups/tcControlGroupInput.h"

#include <gtest/gtest.h>

#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/groups/tcPageWorld.h"

namespace {

using G = tcControlGroupInput;

constexpr uint16_t kAnalogGain = 0x1001;

class InputPage : public ::testing::Test {
 protected:
  explicit InputPage(bool guru = false) : world_(guru) {}
  void SetUp() override {
    ASSERT_EQ(world_.setup_result(), 0);
    group_ = world_.group<G>(tcAPBench::kInput);
    ASSERT_NE(group_, nullptr);
    world_.bench()->select_page(tcAPBench::kPageInput);
    ASSERT_TRUE(group_->visible());
  }
  tcGuiObject* object(int id) const { return group_->findObject(id); }
  bool shown(int id) const { return object(id)->visible(); }
  std::vector<tcGuiObject*> vox() const {
    std::vector<tcGuiObject*> all(*group_->findObjectGroup(G::kVoxGroup)->members);
    for (int id : {G::kVoxCouple, G::kVoxMonoSense, G::kVoxConverge, G::kVoxDiverge}) {
      all.push_back(object(id));
    }
    return all;
  }

  tcPageWorld world_;
  G* group_ = nullptr;
};

class InputPageGuru : public InputPage {
 protected:
  InputPageGuru() : InputPage(true) {}
};

TEST_F(InputPage, EveryNameFindsAnObjectOfTheKindItsRowsExpect) {
  tcExpectGroupMatchesSkin(*group_, tcGroupKinds(tcAPBench::kInput));
  ASSERT_NE(group_->findObjectGroup(G::kVoxGroup), nullptr);
  EXPECT_EQ(group_->knobForDisplay(G::kHpfDiffDisplay), G::kHpfDiffKnob);
  // Each knob runs over its parameter's raw range, its display edits in its unit.
  const auto* knob = object(G::kAnalogGainKnob);
  EXPECT_EQ(knob->value(), static_cast<int>(world_.live().raw(kAnalogGain)));
  EXPECT_EQ(object(G::kAnalogGainDisplay)->text(), world_.live().format(kAnalogGain));
}

TEST_F(InputPage, StereoFilterHidesTheDifferenceFilterAndRelabelsTheSumKnob) {
  const int diff[] = {G::kHpfDiffIn, G::kHpfDiffKnob, G::kHpfDiffDisplay};
  for (int id : diff) EXPECT_TRUE(shown(id)) << id;
  EXPECT_EQ(object(G::kHpfSumKnob)->text(), "S u m   F r e q.");

  world_.click(object(G::kHpfStereo));
  EXPECT_EQ(world_.live().bool_value(G::kHpfStereoParam), 1);
  EXPECT_TRUE(world_.sent(G::kHpfStereoParam));
  for (int id : diff) EXPECT_FALSE(shown(id)) << id;
  EXPECT_EQ(object(G::kHpfSumKnob)->text(), "F r e q u e n c y");

  world_.click(object(G::kHpfStereo));
  for (int id : diff) EXPECT_TRUE(shown(id)) << id;
  EXPECT_EQ(object(G::kHpfSumKnob)->text(), "S u m   F r e q.");
  EXPECT_EQ(object(G::kHpfDiffKnob)->text(), "D i f f   F r e q.");

  // The processor switches it: the same, and the page shown again keeps it.
  world_.from_processor(G::kHpfStereoParam, 1);
  EXPECT_FALSE(shown(G::kHpfDiffKnob));
  world_.bench()->select_page(tcAPBench::kPageSystem);
  world_.from_processor(G::kHpfStereoParam, 0);
  EXPECT_FALSE(shown(G::kHpfDiffKnob));  // not while the page is hidden
  world_.bench()->select_page(tcAPBench::kPageInput);
  EXPECT_TRUE(shown(G::kHpfDiffKnob));
  world_.from_processor(G::kHpfStereoParam, 1);
  world_.bench()->select_page(tcAPBench::kPageSystem);
  world_.bench()->select_page(tcAPBench::kPageInput);
  EXPECT_FALSE(shown(G::kHpfDiffKnob));
  EXPECT_TRUE(shown(G::kHpfSumKnob));
}

TEST_F(InputPage, TheVoxControlsStayHiddenWithoutEngineeringMode) {
  for (const tcGuiObject* o : vox()) EXPECT_FALSE(o->visible()) << o->name().c_str();
  EXPECT_TRUE(shown(G::kSymmetry));
}

TEST_F(InputPageGuru, TheVoxControlsShowWithTheirPageInEngineeringMode) {
  for (const tcGuiObject* o : vox()) EXPECT_TRUE(o->visible()) << o->name().c_str();
  world_.bench()->select_page(tcAPBench::kPageCompressor);
  for (const tcGuiObject* o : vox()) EXPECT_FALSE(o->visible()) << o->name().c_str();
}

TEST_F(InputPage, ASourceIsWrittenOnlyWhenItChanges) {
  GLOBALS& globals = world_.stores().globals();
  auto* sources = static_cast<tcGuiRadioGroup*>(object(G::kSource));
  ASSERT_EQ(globals.int_value(G::kSourceGlobal), 0u);
  ASSERT_EQ(sources->selected(), 0);

  // The source already chosen, clicked or reported again: nothing is written.
  world_.click(world_.named("INPUT_SRC_ANA"));
  group_->onRadioSelected(G::kSource, 0);
  EXPECT_FALSE(world_.anything_sent());

  world_.click(world_.named("INPUT_SRC_DIG"));
  EXPECT_EQ(globals.int_value(G::kSourceGlobal), 1u);
  EXPECT_TRUE(world_.global_sent(G::kSourceGlobal));
  EXPECT_EQ(sources->selected(), 1);
  world_.click(world_.named("INPUT_DIG_SVIP"));
  EXPECT_EQ(globals.int_value(G::kDigitalGlobal), 1u);

  // Only items 0 and 1 select; AES chosen on the processor can be left by a click.
  world_.clear_sent();
  group_->onRadioSelected(G::kSource, 2);
  EXPECT_FALSE(world_.anything_sent());
  globals.set_int(G::kSourceGlobal, 2, kSourceProcessor);
  world_.bench()->global_changed(G::kSourceGlobal);
  group_->onRadioSelected(G::kSource, 1);
  EXPECT_EQ(globals.int_value(G::kSourceGlobal), 1u);

  globals.set_int(G::kSourceGlobal, 0, kSourceProcessor);
  world_.bench()->global_changed(G::kSourceGlobal);
  EXPECT_EQ(sources->selected(), 0);

  world_.click(object(G::kFailover));
  EXPECT_EQ(globals.bool_value(0x3002), 1);
}

TEST_F(InputPage, TheLampsFollowEverySixthMeterRecord) {
  tcGuiObject* analog = object(G::kAnalogLamp);
  tcGuiObject* digital = object(G::kDigitalLamp);
  EXPECT_EQ(analog->value(), 2);
  EXPECT_EQ(analog->text(), "Analog");
  EXPECT_EQ(digital->text(), "Digital");

  const tcMeterRecord first = tcPageWorld::record({{44, 0}, {45, 3}});
  for (int i = 0; i < 5; ++i) world_.bench()->meter_record(first);
  EXPECT_EQ(analog->value(), 2);
  world_.bench()->meter_record(first);
  EXPECT_EQ(analog->value(), 1);
  EXPECT_EQ(analog->text(), "Analog (active)");
  EXPECT_EQ(digital->value(), 0);
  EXPECT_EQ(digital->text(), "Digital");

  const tcMeterRecord second = tcPageWorld::record({{44, 2}, {45, 1}});
  for (int i = 0; i < 5; ++i) world_.bench()->meter_record(second);
  EXPECT_EQ(analog->text(), "Analog (active)");
  world_.bench()->meter_record(second);
  EXPECT_EQ(analog->value(), 0);
  EXPECT_EQ(analog->text(), "Analog (active)");
  EXPECT_EQ(digital->value(), 1);
  EXPECT_EQ(digital->text(), "Digital");

  const tcMeterRecord unknown = tcPageWorld::record({{44, 4}, {45, 255}});
  for (int i = 0; i < 6; ++i) world_.bench()->meter_record(unknown);
  EXPECT_EQ(analog->value(), 2);
  EXPECT_EQ(analog->text(), "Analog");
  EXPECT_EQ(digital->value(), 2);
  world_.screenshot("input");
}

}  // namespace
