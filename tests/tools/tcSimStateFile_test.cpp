#include "tools/simulator/tcSimStateFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class tcSimStateFileTest : public ::testing::Test {
 protected:
  QTemporaryDir dir_;
  tcSimStateFile file_{dir_.path()};
};

TEST_F(tcSimStateFileTest, AnEmptyDirectoryHoldsNoState) {
  tcSimState state;
  EXPECT_EQ(file_.load(state), -1);
  EXPECT_STREQ(state.slot(0).header.name_text().c_str(), "Classic Rock");
}

TEST_F(tcSimStateFileTest, EverythingTheConsoleChangedComesBack) {
  tcSimState state;
  SETTINGS values;
  values.set_float(0x1407, -3.0f, kSourceSilent);
  tcPresetHeader pushed;
  pushed.set_name("Evening");
  pushed.word_a = 0x1234;
  pushed.text_a[0] = 'x';
  ASSERT_TRUE(state.store_preset(33, &values, pushed));
  state.lock(33, tcSimState::kLocked);
  ASSERT_TRUE(state.take(33, 1, 0));
  // A tweak after the take: the bank keeps the check sums it reported.
  state.apply_bank_record(1, ParamRecord::of_float(0x1407, -1.0f));
  state.apply_global(ParamRecord::of_int(0x200C, 3));
  state.set_events({{0xEFBBFF01u, 33}});
  state.clock().zone_seconds = -18000;
  state.clock().sntp = true;
  ASSERT_EQ(file_.save(state, true), 0);
  EXPECT_FALSE(state.dirty().any());

  tcSimState back;
  ASSERT_EQ(file_.load(back), 0);
  const tcPresetHeader& h = back.slot(33).header;
  EXPECT_STREQ(h.name_text().c_str(), "Evening");
  EXPECT_EQ(h.status, tcSimState::kLocked);
  EXPECT_EQ(h.word_a, 0x1234u);
  EXPECT_EQ(h.text_a[0], 'x');
  EXPECT_FLOAT_EQ(back.slot(33).set->eng(0x1407), -3.0f);
  EXPECT_FLOAT_EQ(back.bank(1).set->eng(0x1407), -1.0f);
  EXPECT_EQ(back.bank(1).header, state.bank(1).header);
  EXPECT_NE(back.bank(1).header.check[0], back.bank(1).set->checksum(tcSettings::kNormal, nullptr));
  EXPECT_EQ(back.globals().int_value(0x200C), 3u);
  ASSERT_EQ(back.events().size(), 1u);
  EXPECT_EQ(back.events()[0].word1, 33u);
  EXPECT_EQ(back.clock().zone_seconds, -18000);
  EXPECT_TRUE(back.clock().sntp);
  EXPECT_EQ(back.slot(40).header.present, 0);
}

TEST_F(tcSimStateFileTest, ADeletedPresetLosesItsFileAndADamagedOneLoadsEmpty) {
  tcSimState state;
  ASSERT_EQ(file_.save(state, true), 0);
  ASSERT_TRUE(QFile::exists(file_.slot_path(1)));
  state.lock(1, 0);
  ASSERT_TRUE(state.erase(1));
  ASSERT_EQ(file_.save(state), 0);
  EXPECT_FALSE(QFile::exists(file_.slot_path(1)));
  {
    QFile damaged(file_.slot_path(2));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a preset\n");
  }
  tcSimState back;
  ASSERT_EQ(file_.load(back), 0);
  EXPECT_EQ(back.slot(1).header.present, 0);
  EXPECT_EQ(back.slot(2).header.present, 0);
  EXPECT_STREQ(back.slot(3).header.name_text().c_str(), "Urban");
}

}  // namespace
