#include "app/startup/tcAppDirs.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(tcAppDirs, DataFolderComesFromTheLastCompleteDataOption) {
  EXPECT_EQ(tcAppDirs::data_folder_from_args({"qx770xpro"}), "QX770HD");
  EXPECT_EQ(tcAppDirs::data_folder_from_args({"qx770xpro", "-data", "Studio2"}), "Studio2");
  EXPECT_EQ(tcAppDirs::data_folder_from_args({"qx", "-data", "A", "x", "-data", "B"}), "B");
  EXPECT_EQ(tcAppDirs::data_folder_from_args({"qx", "-data", "A", "-data"}), "A");
  EXPECT_EQ(tcAppDirs::data_folder_from_args({"qx", "-data"}), "QX770HD");
  // The folder name may itself read "-data".
  EXPECT_EQ(tcAppDirs::data_folder_from_args({"qx", "-data", "-data"}), "-data");
}

TEST(tcAppDirs, LaysOutTheFolders) {
  QTemporaryDir work, docs;
  tcAppDirs dirs;
  dirs.setup(work.path(), docs.path(), "Studio2");
  const QString data = QDir(docs.path()).filePath("Morvallion/Studio2");
  EXPECT_EQ(dirs.app_dir(), QDir(work.path()).absolutePath());
  EXPECT_EQ(dirs.data_dir(), data);
  EXPECT_EQ(dirs.maps_dir(), data + "/maps");
  EXPECT_EQ(dirs.presets_dir(), data + "/presets");
  EXPECT_EQ(dirs.favorites_dir(), data + "/presets/favorites");
  EXPECT_EQ(dirs.skins_dir(), QDir(work.path()).filePath("fp_skins"));
  for (const QString& d : {dirs.maps_dir(), dirs.favorites_dir(), dirs.skins_dir()}) {
    EXPECT_TRUE(QFileInfo(d).isDir()) << d.toStdString();
  }
  EXPECT_EQ(dirs.data_file("qx770xpro.ini"), data + "/qx770xpro.ini");
}

TEST(tcAppDirs, WithoutADocumentsFolderDataLiesUnderTheWorkingDirectory) {
  QTemporaryDir work;
  tcAppDirs dirs;
  dirs.setup(work.path(), QString(), "QX770HD");
  EXPECT_EQ(dirs.data_dir(), QDir(work.path()).filePath("Morvallion/QX770HD"));
}

TEST(tcAppDirs, LegacyOptionFileIsRenamedWhereItLies) {
  QTemporaryDir work, docs;
  tcAppDirs dirs;
  dirs.setup(work.path(), docs.path(), "QX770HD");
  EXPECT_EQ(dirs.move_legacy_options(), -1);
  QFile legacy(QDir(work.path()).filePath("TK3QT.ini"));
  ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
  legacy.write("<INI/>");
  legacy.close();
  EXPECT_EQ(dirs.move_legacy_options(), 0);
  EXPECT_FALSE(QFile::exists(QDir(work.path()).filePath("TK3QT.ini")));
  EXPECT_TRUE(QFile::exists(QDir(work.path()).filePath("qx770xpro.ini")));
  EXPECT_FALSE(QFile::exists(dirs.data_file("qx770xpro.ini")));
}
