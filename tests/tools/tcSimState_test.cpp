#include "tools/simulator/tcSimState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr uint16_t kDrive = 0x1407;  // a sound parameter
constexpr uint16_t kGain = 0x1001;   // a follow-I/O parameter

tcPresetHeader named(const char* name) {
  tcPresetHeader h;
  h.set_name(name);
  h.word_a = 7;
  return h;
}

TEST(tcSimState, FreshStateHasFactoryLockedPresetsAndEmptySlots) {
  tcSimState state;
  EXPECT_STREQ(state.directory_entry(0).name_text().c_str(), "Classic Rock");
  EXPECT_EQ(state.directory_entry(0).status, tcSimState::kFactoryLocked);
  const tcPresetHeader empty = state.directory_entry(40);
  EXPECT_EQ(empty.present, 0);
  EXPECT_EQ(empty.map_version, 0);
  EXPECT_EQ(state.password_code(), 0u);
}

TEST(tcSimState, LockedSlotsRefuseStoreRenameAndErase) {
  tcSimState state;
  SETTINGS values;
  EXPECT_FALSE(state.store_preset(0, &values, named("X")));
  EXPECT_FALSE(state.rename(0, "Y"));
  EXPECT_FALSE(state.erase(0));
  EXPECT_STREQ(state.slot(0).header.name_text().c_str(), "Classic Rock");
  EXPECT_FALSE(state.lock(0, 3));
  EXPECT_TRUE(state.lock(0, 0));
  EXPECT_TRUE(state.erase(0));
  EXPECT_EQ(state.directory_entry(0).present, 0);
  EXPECT_FALSE(state.erase(0)) << "nothing left to delete";
}

TEST(tcSimState, StoreKeepsTheLockAndTakesItsOwnCheckSums) {
  tcSimState state;
  SETTINGS values;
  values.set_float(kDrive, -3.0f, kSourceSilent);
  tcPresetHeader pushed = named("Mine");
  pushed.check[0] = 0xDEAD;  // the console's word; the slot computes its own
  ASSERT_TRUE(state.store_preset(12, &values, pushed));
  ASSERT_TRUE(state.lock(12, tcSimState::kLocked));
  const tcPresetHeader& h = state.slot(12).header;
  EXPECT_EQ(h.word_a, 7u);
  EXPECT_EQ(h.check[0], values.checksum(tcSettings::kNormal, nullptr));
  EXPECT_TRUE(state.dirty().presets[12]);
  EXPECT_FALSE(state.store_preset(12, &values, named("Again")));
  EXPECT_EQ(state.slot(12).header.status, tcSimState::kLocked);
}

TEST(tcSimState, TakeWithModeTwoLeavesTheBanksIoParameters) {
  tcSimState state;
  SETTINGS values;
  values.set_float(kDrive, -3.0f, kSourceSilent);
  values.set_float(kGain, 6.0f, kSourceSilent);
  ASSERT_TRUE(state.store_preset(12, &values, named("Mine")));
  ASSERT_TRUE(state.take(12, 3, 2));
  EXPECT_FLOAT_EQ(state.bank(3).set->eng(kDrive), -3.0f);
  EXPECT_FLOAT_EQ(state.bank(3).set->eng(kGain), 0.0f);
  EXPECT_STREQ(state.bank(3).header.name_text().c_str(), "Mine");
  EXPECT_EQ(state.bank(3).header.check[1], state.bank(3).set->checksum(tcSettings::kIo, nullptr));
  ASSERT_TRUE(state.take(12, 4, 0));
  EXPECT_FLOAT_EQ(state.bank(4).set->eng(kGain), 6.0f);
  EXPECT_FALSE(state.take(40, 4, 0)) << "empty slot";
  EXPECT_FALSE(state.take(12, 8, 0)) << "no such bank";
}

TEST(tcSimState, RecordsThatFitNoParameterAreSkipped) {
  tcSimState state;
  state.mark_clean();
  EXPECT_FALSE(state.apply_bank_record(
      0, ParamRecord::of_float(kDrive, std::numeric_limits<float>::quiet_NaN())));
  EXPECT_FALSE(state.apply_bank_record(0, ParamRecord::of_int(0x1111, 1)));
  EXPECT_FALSE(state.apply_bank_record(8, ParamRecord::of_float(kDrive, -2.0f)));
  EXPECT_FALSE(state.dirty().any());
  EXPECT_TRUE(state.apply_bank_record(0, ParamRecord::of_float(kDrive, -2.0f)));
  EXPECT_FALSE(state.apply_bank_record(0, ParamRecord::of_float(kDrive, -2.0f))) << "no change";
  EXPECT_TRUE(state.dirty().banks[0]);
}

}  // namespace
