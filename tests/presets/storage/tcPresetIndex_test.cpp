#include "presets/storage/tcPresetIndex.h"

#include "tests/presets/storage/tcPresetFixture.h"
#include "tests/support/tcFileSizeLimit.h"

using tcPresetIndexTest = tcPresetFixture;

TEST_F(tcPresetIndexTest, ReadSkipsEmptyLinesAndCarriageReturns) {
  const tcPresetIndex index(dir_.path());
  EXPECT_TRUE(index.read().isEmpty());
  put(index.path(), "a.qx770x\r\n\r\nb.qx770x\n\nc.qx770x");
  EXPECT_EQ(index.read(), QStringList({"a.qx770x", "b.qx770x", "c.qx770x"}));
}

TEST_F(tcPresetIndexTest, EditsWriteBackAtOnce) {
  const tcPresetIndex index(dir_.path());
  ASSERT_EQ(index.add("a"), 0);
  ASSERT_EQ(index.add("b"), 0);
  ASSERT_EQ(index.add("a"), 0);  // present: not added twice
  ASSERT_EQ(index.add("c"), 0);
  EXPECT_EQ(get(index.path()), QByteArray("a\nb\nc\n"));

  index.rename("b", "B");
  index.rename("none", "x");
  EXPECT_EQ(index.read(), QStringList({"a", "B", "c"}));

  // The first cannot go up, the last cannot go down.
  index.move_up("a");
  index.move_down("c");
  index.move_up("none");
  EXPECT_EQ(index.read(), QStringList({"a", "B", "c"}));
  index.move_down("a");
  EXPECT_EQ(index.read(), QStringList({"B", "a", "c"}));
  index.move_up("c");
  EXPECT_EQ(index.read(), QStringList({"B", "c", "a"}));

  put(index.path(), "a\nx\na\n");
  index.remove("a");
  EXPECT_EQ(index.read(), QStringList({"x"}));
}

TEST_F(tcPresetIndexTest, AFailedWriteKeepsTheOldIndexAndSaysWhy) {
  const tcPresetIndex index(dir_.path());
  put(index.path(), "a\nb\n");
  QString reason;
  {
    tcFileSizeLimit full(2);
    EXPECT_EQ(index.add("a much longer name.qx770x", &reason), -1);
  }
  EXPECT_FALSE(reason.isEmpty());
  EXPECT_EQ(get(index.path()), QByteArray("a\nb\n"));
}
