#include "presets/storage/tcPresetLibrary.h"

#include "app/core/tcOptions.h"
#include "presets/storage/tcPackageRegistry.h"
#include "presets/storage/tcPresetIndex.h"
#include "tests/presets/storage/tcPresetFixture.h"

namespace {

class tcPresetLibraryTest : public tcPresetFixture {
 protected:
  tcOptions options_{path("qx770xpro.ini")};
  tcPackageRegistry registry_{options_};
};

QStringList names_of(const tcPresetNode& node) {
  QStringList names;
  for (const tcPresetNode& child : node.children) names << child.name;
  return names;
}

}  // namespace

TEST_F(tcPresetLibraryTest, AFolderConvergesToAnIndexOfAllItsPresets) {
  put(path("fav/b.qx770x"), "b");
  put(path("fav/a.qx770x"), "a");
  put(path("fav/notes.txt"), "not a preset");
  const tcPresetIndex index(path("fav"));
  ASSERT_EQ(index.write({"a.qx770x"}), 0);
  EXPECT_EQ(tcPresetLibrary::folder_presets(path("fav")), QStringList({"a.qx770x", "b.qx770x"}));
  EXPECT_EQ(index.read(), QStringList({"a.qx770x", "b.qx770x"}));

  // Lines of vanished files stay and show nothing; lines naming another folder
  // show nothing either.
  QFile::remove(path("fav/a.qx770x"));
  put(path("x.qx770x"), "outside");
  ASSERT_EQ(index.write({"../x.qx770x", "a.qx770x", "b.qx770x"}), 0);
  EXPECT_EQ(tcPresetLibrary::folder_presets(path("fav")), QStringList({"b.qx770x"}));
  EXPECT_EQ(index.read(), QStringList({"../x.qx770x", "a.qx770x", "b.qx770x"}));
}

TEST_F(tcPresetLibraryTest, TreeMarksPackagesAndListsFoldersBeforePresets) {
  put(path("fav/top.qx770x"), "t");
  put(path("fav/Mine/m.qx770x"), "m");
  put(path("fav/Rock/r.qx770x"), "r");
  put(path("fav/Rock/Deep/d.qx770x"), "d");
  ASSERT_EQ(registry_.add("Rock"), 0);
  ASSERT_TRUE(QFile::link(path("fav"), path("fav/Loop")));  // not followed

  const tcPresetNode root = tcPresetLibrary::load(path("fav"), registry_);
  EXPECT_EQ(names_of(root), QStringList({"Mine", "Rock", "top.qx770x"}));
  const tcPresetNode& mine = root.children[0];
  const tcPresetNode& rock = root.children[1];
  EXPECT_FALSE(mine.in_package);
  EXPECT_TRUE(rock.in_package && rock.package_root);
  ASSERT_EQ(names_of(rock), QStringList({"Deep", "r.qx770x"}));
  EXPECT_TRUE(rock.children[0].in_package);
  EXPECT_FALSE(rock.children[0].package_root);
  EXPECT_EQ(rock.children[1].kind, tcPresetNode::kPreset);
  EXPECT_EQ(rock.children[1].path, path("fav/Rock/r.qx770x"));

  EXPECT_EQ(tcPresetLibrary::package_of(path("fav"), path("fav/Rock/Deep"), registry_), "Rock");
  EXPECT_EQ(tcPresetLibrary::package_of(path("fav"), path("fav"), registry_), "");
  EXPECT_EQ(tcPresetLibrary::package_of(path("fav"), path("Rock"), registry_), "");
}

TEST_F(tcPresetLibraryTest, FreeFileNamesNeverReplaceAFile) {
  EXPECT_EQ(tcPresetLibrary::free_file_name(path("f"), "Rock Mix"), "Rock Mix.qx770x");
  put(path("f/Rock Mix.qx770x"), "x");
  put(path("f/Rock Mix (2).qx770x"), "x");
  EXPECT_EQ(tcPresetLibrary::free_file_name(path("f"), "Rock Mix"), "Rock Mix (3).qx770x");
  // A processor's name may hold what a file name cannot.
  EXPECT_EQ(tcPresetLibrary::free_file_name(path("f"), "a/b\\c"), "a_b_c.qx770x");
  EXPECT_EQ(tcPresetLibrary::free_file_name(path("f"), ".."), "preset.qx770x");
}

TEST_F(tcPresetLibraryTest, RegistryKeepsNamesInTheOptions) {
  options_.set_packages(";Jazz;;");
  EXPECT_EQ(registry_.names(), QStringList({"Jazz"}));
  ASSERT_EQ(registry_.add("Rock"), 0);
  ASSERT_EQ(registry_.add("Rock"), 0);
  EXPECT_EQ(options_.packages(), "Jazz;Rock");
  ASSERT_EQ(registry_.remove("Jazz"), 0);
  EXPECT_EQ(tcOptions(path("qx770xpro.ini")).packages(), "Rock");  // written at once
  EXPECT_FALSE(tcPackageRegistry::valid_name("a;b"));
}
