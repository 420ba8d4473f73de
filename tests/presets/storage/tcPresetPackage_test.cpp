#include "presets/storage/tcPresetPackage.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using Entry = tcPresetPackageCodec::Entry;

// "a.qx770x" holding "Q1" and "sub/qx770x_pset_idx.txt" holding "a\n".
const QByteArray kGolden = QByteArray::fromHex(
    "BBBBAAAA000000000000000000000000"
    "CDAB0800020000006"
    "12E717837373078AECE"
    "CDAB170002000000"
    "7375622F7178373730785F707365745F6964782E747874"
    "9EF5");

QVector<Entry> golden_entries() {
  return {{"a.qx770x", "Q1"}, {"sub/qx770x_pset_idx.txt", "a\n"}};
}

QByteArray entry_bytes(const QByteArray& name, uint32_t data_length, const QByteArray& data) {
  QByteArray out = QByteArray::fromHex("CDAB");
  out.append(static_cast<char>(name.size() & 0xFF)).append(static_cast<char>(name.size() >> 8));
  for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>(data_length >> shift));
  return out + name + data;
}

QByteArray with_header(const QByteArray& entries) {
  return kGolden.left(16) + entries;
}

void put(const QString& path, const QByteArray& data) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(data);
}

QByteArray get(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(tcPresetPackageCodec, GoldenBytesBothWays) {
  QByteArray bytes;
  ASSERT_EQ(tcPresetPackageCodec::encode(golden_entries(), &bytes), 0);
  EXPECT_EQ(bytes.toHex(), kGolden.toHex());
  // Data is stored complemented: the Q (0x51) of a preset file as 0xAE.
  EXPECT_EQ(static_cast<uint8_t>(bytes[16 + 8 + 8]), 0xAE);

  QVector<Entry> entries;
  ASSERT_EQ(tcPresetPackageCodec::decode(kGolden, &entries), 0);
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[0].name, QByteArray("a.qx770x"));
  EXPECT_EQ(entries[0].data, QByteArray("Q1"));
  EXPECT_EQ(entries[1].name, QByteArray("sub/qx770x_pset_idx.txt"));
  EXPECT_EQ(entries[1].data, QByteArray("a\n"));
  // A few stray bytes after the last entry end the list.
  ASSERT_EQ(tcPresetPackageCodec::decode(kGolden + "xyz", &entries), 0);
  EXPECT_EQ(entries.size(), 2);
}

TEST(tcPresetPackageCodec, RefusesWhatIsNotAPackage) {
  QVector<Entry> entries;
  QByteArray flipped = kGolden;
  flipped[0] = static_cast<char>(flipped[0] ^ 0x01);
  EXPECT_EQ(tcPresetPackageCodec::decode(flipped, &entries), tcPresetPackageCodec::kNotPackage);
  EXPECT_EQ(tcPresetPackageCodec::decode(kGolden.left(15), &entries),
            tcPresetPackageCodec::kNotPackage);
  EXPECT_TRUE(entries.isEmpty());
}

TEST(tcPresetPackageCodec, RefusesBrokenEntriesWhole) {
  const QByteArray good = entry_bytes("a.qx770x", 2, "\xAE\xCE");
  QByteArray wrong_mark = entry_bytes("b.qx770x", 0, "");
  wrong_mark[0] = 0;
  const QByteArray cases[] = {
      good + wrong_mark,
      good + entry_bytes("b.qx770x", 3, "\x01\x02"),      // data runs past the end
      good + entry_bytes("b.qx770x", 0xFFFFFFFFu, "xx"),  // and would wrap a 32-bit sum
      good + entry_bytes(QByteArray(1024, 'n'), 0, ""),   // name longer than the format allows
      good + entry_bytes("b.qx770x", 0, "").left(12),     // name cut short
  };
  for (const QByteArray& body : cases) {
    QVector<Entry> entries;
    QString reason;
    EXPECT_EQ(tcPresetPackageCodec::decode(with_header(body), &entries, &reason),
              tcPresetPackageCodec::kBroken)
        << body.toHex().constData();
    EXPECT_TRUE(entries.isEmpty());
    EXPECT_FALSE(reason.isEmpty());
  }
}

TEST(tcPresetPackageCodec, RefusesNamesThatLeaveTheFolder) {
  const QByteArray hostile[] = {
      "../x.qx770x", "a/../../x.qx770x",    "/etc/x.qx770x", "a\\..\\x.qx770x",
      "C:x.qx770x",  "./x.qx770x",          "a//x.qx770x",   "a/",
      "..",          QByteArray("a\0b", 3), "a\nb"};
  for (const QByteArray& name : hostile) {
    EXPECT_FALSE(tcPresetPackageCodec::is_safe_name(name)) << name.constData();
    QVector<Entry> entries;
    EXPECT_EQ(tcPresetPackageCodec::decode(with_header(entry_bytes(name, 0, "")), &entries),
              tcPresetPackageCodec::kBroken)
        << name.constData();
    QByteArray out;
    EXPECT_EQ(tcPresetPackageCodec::encode({{name, "x"}}, &out), tcPresetPackageCodec::kBroken);
  }
  EXPECT_TRUE(tcPresetPackageCodec::is_safe_name("Rock/Pop (2)/my..preset.qx770x"));
}

class tcPresetPackageFiles : public ::testing::Test {
 protected:
  QString path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
  QTemporaryDir dir_;
};

TEST_F(tcPresetPackageFiles, BuildWalksPresetAndIndexFilesThenExtracts) {
  put(path("root/b.qx770x"), "QUESSA b");
  put(path("root/a.qx770x"), "QUESSA a");
  put(path("root/notes.txt"), "not packed");
  put(path("root/qx770x_pset_idx.txt"), "b.qx770x\na.qx770x\n");
  put(path("root/Sub/c.qx770x"), "QUESSA c");
  ASSERT_EQ(tcPresetPackage::build(path("out.pkg"), path("root")), 0);

  QVector<Entry> entries;
  ASSERT_EQ(tcPresetPackage::read(path("out.pkg"), &entries), 0);
  QStringList names;
  for (const Entry& entry : entries) names << QString::fromLatin1(entry.name);
  EXPECT_EQ(names, QStringList({"a.qx770x", "b.qx770x", "qx770x_pset_idx.txt", "Sub/c.qx770x"}));

  ASSERT_EQ(tcPresetPackage::extract(entries, path("copy")), 0);
  EXPECT_EQ(get(path("copy/Sub/c.qx770x")), QByteArray("QUESSA c"));
  EXPECT_EQ(get(path("copy/qx770x_pset_idx.txt")), QByteArray("b.qx770x\na.qx770x\n"));
  EXPECT_FALSE(QFile::exists(path("copy/notes.txt")));
}

TEST_F(tcPresetPackageFiles, ReportsMissingFiles) {
  QVector<Entry> entries;
  QString reason;
  EXPECT_EQ(tcPresetPackage::read(path("none.pkg"), &entries, &reason), tcPresetPackage::kIoError);
  EXPECT_EQ(tcPresetPackage::build(path("out.pkg"), path("no-root"), &reason), -1);
  EXPECT_FALSE(QFile::exists(path("out.pkg")));
}

TEST_F(tcPresetPackageFiles, ExtractDoesNotFollowLinksOutOfTheFolder) {
  ASSERT_TRUE(QDir().mkpath(path("outside")));
  ASSERT_TRUE(QDir().mkpath(path("target")));
  put(path("outside/victim.qx770x"), "keep");
  ASSERT_TRUE(QFile::link(path("outside"), path("target/linked")));
  ASSERT_TRUE(QFile::link(path("outside/victim.qx770x"), path("target/victim.qx770x")));

  QString reason;
  EXPECT_EQ(tcPresetPackage::extract({{"linked/new.qx770x", "x"}}, path("target"), &reason), -1);
  EXPECT_EQ(tcPresetPackage::extract({{"linked/deeper/new.qx770x", "x"}}, path("target")), -1);
  EXPECT_EQ(tcPresetPackage::extract({{"victim.qx770x", "x"}}, path("target")), -1);
  EXPECT_FALSE(QFile::exists(path("outside/new.qx770x")));
  EXPECT_FALSE(QFile::exists(path("outside/deeper")));
  EXPECT_EQ(get(path("outside/victim.qx770x")), QByteArray("keep"));
  EXPECT_EQ(tcPresetPackage::extract({{"../x.qx770x", "x"}}, path("target")), -1);
  EXPECT_FALSE(QFile::exists(path("x.qx770x")));
}
