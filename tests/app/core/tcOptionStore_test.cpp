#include "app/core/tcOptionStore.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/tcFileSizeLimit.h"

namespace {

QByteArray read_all(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write_all(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

class tcOptionStoreTest : public ::testing::Test {
 protected:
  QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

}  // namespace

TEST_F(tcOptionStoreTest, MissingKeysGiveDefaultsAndStoreNothing) {
  tcOptionStore store(path("none.ini"), tcOptionStore::kXml);
  EXPECT_EQ(store.get_text("DEVICE", "name", "????????"), "????????");
  EXPECT_EQ(store.get_int("OPTIONS", "ONLINE", 7), 7);
  EXPECT_TRUE(store.get_bool("OPTIONS", "dialog_hide_pswd", true));
  EXPECT_DOUBLE_EQ(store.get_float("V", "intg_time", 0.25), 0.25);
  EXPECT_EQ(store.get_u32("Access", "ucrc", 0xDEADBEEFu), 0xDEADBEEFu);
  EXPECT_TRUE(store.values().empty());
  EXPECT_FALSE(store.modified());
  EXPECT_EQ(store.flush(), 0);
  EXPECT_FALSE(QFile::exists(path("none.ini")));
}

TEST_F(tcOptionStoreTest, ValuesConvertLikeTheOldFiles) {
  write_all(path("o.ini"),
            "<INI><N a=\"12abc\" b=\"-7\" c=\"x\" d=\"99999999999\" e=\" 3.5e2xyz\" f=\"2,5\""
            " g=\"-2147483648\" h=\"4294967295\" i=\"0\" j=\"2\"/></INI>");
  const tcOptionStore store(path("o.ini"), tcOptionStore::kXml);
  EXPECT_EQ(store.get_int("N", "a", 0), 12);
  EXPECT_EQ(store.get_int("N", "b", 0), -7);
  EXPECT_EQ(store.get_int("N", "c", 5), 0);  // present but not a number
  EXPECT_EQ(store.get_int("N", "d", 0), 2147483647);
  EXPECT_DOUBLE_EQ(store.get_float("N", "e", 0), 350.0);
  EXPECT_DOUBLE_EQ(store.get_float("N", "f", 0), 2.0);  // decimal point only
  EXPECT_DOUBLE_EQ(store.get_float("N", "c", 1.0), 0.0);
  EXPECT_EQ(store.get_u32("N", "g", 0), 0x80000000u);
  EXPECT_EQ(store.get_u32("N", "h", 0), 0xFFFFFFFFu);
  EXPECT_FALSE(store.get_bool("N", "i", true));
  EXPECT_TRUE(store.get_bool("N", "j", false));
  EXPECT_FALSE(store.get_bool("N", "b", true));  // negative is false
  EXPECT_EQ(store.get_text("N", "a", "", 2), "12");
}

TEST_F(tcOptionStoreTest, SetsAreWrittenByFlushAndAtDestruction) {
  {
    tcOptionStore store(path("o.ini"), tcOptionStore::kXml);
    store.set_int("OPTIONS", "ONLINE", 1);
    store.set_float("ANALYSIS", "intg_time", 0.5);
    store.set_bool("FACTORY", "GURU", true);
    store.set_u32("Access", "ucrc", 0xFFFFFFFEu);
    EXPECT_TRUE(store.modified());
    EXPECT_EQ(store.flush(), 0);
    EXPECT_FALSE(store.modified());
    store.set_text("DEVICE", "name", "Studio A");
  }
  EXPECT_EQ(read_all(path("o.ini")),
            QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<INI>\n"
                       "<ANALYSIS\n    intg_time=\"0.500000\"\n/>\n"
                       "<Access\n    ucrc=\"-2\"\n/>\n"
                       "<DEVICE\n    name=\"Studio A\"\n/>\n"
                       "<FACTORY\n    GURU=\"1\"\n/>\n"
                       "<OPTIONS\n    ONLINE=\"1\"\n/>\n</INI>\n"));
  const tcOptionStore again(path("o.ini"), tcOptionStore::kXml);
  EXPECT_EQ(again.get_u32("Access", "ucrc", 0), 0xFFFFFFFEu);
  EXPECT_EQ(again.get_text("DEVICE", "name", ""), "Studio A");
}

TEST_F(tcOptionStoreTest, AFailedWriteKeepsTheOldFile) {
  const QByteArray old = "<INI><OPTIONS ONLINE=\"1\"/></INI>";
  write_all(path("o.ini"), old);
  tcOptionStore store(path("o.ini"), tcOptionStore::kXml);
  store.set_text("BIG", "v", QByteArray(4096, 'x').constData());

  int result = 0;
  {
    const tcFileSizeLimit cut_short(1024);
    result = store.flush();
  }

  EXPECT_EQ(result, -1);
  EXPECT_TRUE(store.modified());
  // The user is told which file and why, and that the old one stays.
  EXPECT_TRUE(store.write_error().contains(QDir::toNativeSeparators(path("o.ini"))));
  EXPECT_TRUE(store.write_error().contains("File too large"));
  EXPECT_TRUE(store.write_error().contains("previous file was kept"));
  EXPECT_EQ(read_all(path("o.ini")), old);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"o.ini"});  // no temporary left
  EXPECT_EQ(store.flush(), 0);  // a later flush succeeds
  EXPECT_TRUE(store.write_error().isEmpty());
  EXPECT_TRUE(read_all(path("o.ini")).contains("<BIG"));
}

TEST_F(tcOptionStoreTest, UnwritablePathsReportFailure) {
  QDir(dir_.path()).mkdir("adir");
  tcOptionStore on_dir(path("adir"), tcOptionStore::kXml);
  on_dir.set_int("A", "b", 1);
  EXPECT_EQ(on_dir.flush(), -1);
  EXPECT_TRUE(QFileInfo(path("adir")).isDir());

  tcOptionStore no_parent(path("missing/o.ini"), tcOptionStore::kXml);
  no_parent.set_int("A", "b", 1);
  EXPECT_EQ(no_parent.flush(), -1);
  EXPECT_EQ(no_parent.get_int("A", "b", 0), 1);  // kept in memory

  tcOptionStore no_path(QString(), tcOptionStore::kXml);
  no_path.set_int("A", "b", 1);
  EXPECT_EQ(no_path.flush(), -1);
  no_parent.discard();
  no_path.discard();
  on_dir.discard();
}

TEST_F(tcOptionStoreTest, RegistryModeKeepsNothing) {
  tcOptionStore store(path("reg"), tcOptionStore::kRegistry);
  store.set_int("A", "b", 5);
  EXPECT_EQ(store.get_int("A", "b", 3), 3);
  EXPECT_EQ(store.flush(), 0);
  EXPECT_FALSE(QFile::exists(path("reg")));
}

TEST_F(tcOptionStoreTest, ProfileModeReadsAndWritesThrough) {
  write_all(path("p.ini"), "[scale]\nX=1.25\n");
  tcOptionStore store(path("p.ini"), tcOptionStore::kProfile);
  EXPECT_EQ(store.get_text("scale", "X", "1.0"), "1.25");
  EXPECT_EQ(store.get_text("scale", "Y", "1.0"), "1.0");
  store.set_text("scale", "Y", "2.5");
  EXPECT_EQ(read_all(path("p.ini")), QByteArray("[scale]\nX=1.25\nY=2.5\n"));
  write_all(path("p.ini"), "[scale]\nX=" + QByteArray(5000, '7') + "\n");
  EXPECT_EQ(store.get_text("scale", "X", "").length(), tcOptionStore::kProfileCapacity - 1);
}
