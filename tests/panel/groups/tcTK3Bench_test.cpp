// The whole panel on the default skin this build made: the groups come up in
// their order, and every name of every group's table finds an object of a kind
// the group drives.
#include "panel/groups/tcTK3Bench.h"

#include <gtest/gtest.h>

#include <QDir>

#include "tests/panel/groups/tcGroupKinds.h"
#include "tests/panel/tcFrontPanelWorld.h"
#include "tests/support/tcLogCapture.h"
#include "tests/support/tcTestPaths.h"

namespace {

QString default_skin() {
  return QDir(qEnvironmentVariable("QX_BIN_DIR")).filePath("fp_skins/default");
}

TEST(TK3Bench, TheDefaultSkinHoldsEveryNameOfEveryGroupWithItsKind) {
  ASSERT_TRUE(QDir(default_skin()).exists("skin.xml")) << "the build makes the default skin";
  tcLogCapture log;
  tcFrontPanelWorld world;
  world.options().set_guru(true);  // engineering controls included
  tcTK3Bench* bench = world.show<tcTK3Bench>(default_skin());
  ASSERT_EQ(world.setup_result(), 0);
  EXPECT_EQ(log.errors(), 0);
  const int group_slots[] = {tcAPBench::kMain,       tcAPBench::kInput, tcAPBench::kParametric,
                             tcAPBench::kCompressor, tcAPBench::kHdOut, tcAPBench::kTest,
                             tcAPBench::kSystem,     tcAPBench::kFmOut, tcAPBench::kFmPlex};
  for (int slot : group_slots) {
    const tcControlGroup* group = bench->group(slot);
    ASSERT_NE(group, nullptr) << "group slot " << slot;
    SCOPED_TRACE(::testing::Message() << "group slot " << slot);
    tcExpectGroupMatchesSkin(*group, tcGroupKinds(slot));
  }
}

}  // namespace
