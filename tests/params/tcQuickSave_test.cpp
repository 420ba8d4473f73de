#include "params/tcQuickSave.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "params/tcPresetFile.h"

namespace {
bool same_values(const SETTINGS& a, const SETTINGS& b) {
  for (uint16_t id = a.first_id(); id != tcParamTable::kEndId; id = a.next_id(id)) {
    if (a.raw(id) != b.raw(id)) return false;
  }
  return true;
}
}  // namespace

TEST(tcQuickSave, FilesAppearOnlyAfterTheFirstSaveAndComeBack) {
  QTemporaryDir dir;
  const SETTINGS defaults;
  SETTINGS live;
  live.set_float(0x1001, -6.5f, kSourceSilent);
  live.set_bool(0x1005, 1, kSourceSilent);
  {
    tcQuickSave store(dir.path());
    EXPECT_TRUE(same_values(store.set(tcQuickSave::kA), defaults));
    EXPECT_TRUE(same_values(store.set(tcQuickSave::kB), defaults));
    EXPECT_FALSE(QFile::exists(store.path(tcQuickSave::kA)));

    ASSERT_EQ(store.save(live, tcQuickSave::kA), 0);
    EXPECT_TRUE(store.path(tcQuickSave::kA).endsWith("/qsave_a.qx770x"));
    EXPECT_TRUE(QFile::exists(store.path(tcQuickSave::kA)));
    EXPECT_FALSE(QFile::exists(store.path(tcQuickSave::kB)));
    EXPECT_TRUE(same_values(store.set(tcQuickSave::kA), live));
    EXPECT_TRUE(same_values(store.set(tcQuickSave::kB), defaults));
  }
  tcQuickSave again(dir.path());
  EXPECT_TRUE(same_values(again.set(tcQuickSave::kA), live));
  EXPECT_TRUE(same_values(again.set(tcQuickSave::kB), defaults));
  tcPresetHeader header;
  ASSERT_EQ(tcPresetFile::read_header(again.path(tcQuickSave::kA), &header), 0);
  EXPECT_STREQ(header.name_text().c_str(), "QSAVE");

  ASSERT_EQ(again.save_both(live), 0);
  EXPECT_TRUE(same_values(tcQuickSave(dir.path()).set(tcQuickSave::kB), live));
}

TEST(tcQuickSave, FailedWriteIsReportedButTheSlotKeepsTheSet) {
  tcQuickSave store("/nonexistent/presets");
  SETTINGS live;
  live.set_float(0x1001, 6.0f, kSourceSilent);
  EXPECT_EQ(store.save_both(live), -1);
  EXPECT_TRUE(same_values(store.set(tcQuickSave::kA), live));
}

TEST(tcQuickSave, SwitchingKeepsTheLiveSetInTheSlotLeftAndLoadsTheOther) {
  QTemporaryDir dir;
  tcQuickSave store(dir.path());
  SETTINGS live;
  live.set_float(0x1001, -6.0f, kSourceSilent);
  store.set(tcQuickSave::kB).set_float(0x1001, 3.0f, kSourceSilent);
  EXPECT_EQ(store.index(), tcQuickSave::kA);

  ASSERT_EQ(store.switch_to(tcQuickSave::kB, live), 0);
  EXPECT_EQ(store.index(), tcQuickSave::kB);
  EXPECT_FLOAT_EQ(live.eng(0x1001), 3.0f);
  EXPECT_FLOAT_EQ(tcQuickSave(dir.path()).set(tcQuickSave::kA).eng(0x1001), -6.0f);

  // The slot that is current already: nothing happens.
  live.set_float(0x1001, 1.0f, kSourceSilent);
  ASSERT_EQ(store.switch_to(tcQuickSave::kB, live), 0);
  EXPECT_FLOAT_EQ(live.eng(0x1001), 1.0f);
  ASSERT_EQ(store.copy_to_other(live), 0);
  EXPECT_FLOAT_EQ(store.set(tcQuickSave::kA).eng(0x1001), 1.0f);
}

TEST(tcQuickSave, AFailedSwitchStillSwitchesAndNamesTheFile) {
  tcQuickSave store("/nonexistent/presets");
  SETTINGS live;
  live.set_float(0x1001, -6.0f, kSourceSilent);
  EXPECT_EQ(store.switch_to(tcQuickSave::kB, live), -1);
  EXPECT_TRUE(store.error_text().contains("qsave_a.qx770x")) << store.error_text().toStdString();
  EXPECT_EQ(store.index(), tcQuickSave::kB);
  EXPECT_FLOAT_EQ(store.set(tcQuickSave::kA).eng(0x1001), -6.0f);
}
