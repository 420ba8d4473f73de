#include "presets/storage/tcPackageInstaller.h"

#include "app/core/tcOptions.h"
#include "presets/storage/tcPackageRegistry.h"
#include "presets/storage/tcPresetPackage.h"
#include "tests/presets/storage/tcPresetFixture.h"

namespace {

using Entry = tcPresetPackageCodec::Entry;

class tcPackageInstallerTest : public tcPresetFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(QDir().mkpath(path("fav"))); }
  void put_package(const QString& name, const QVector<Entry>& entries) {
    QByteArray bytes;
    ASSERT_EQ(tcPresetPackageCodec::encode(entries, &bytes), 0);
    put(path(name), bytes);
  }

  tcOptions options_{path("qx770xpro.ini")};
  tcPackageRegistry registry_{options_};
  tcPackageInstaller installer_{path("fav"), registry_};
};

const QVector<Entry> kRock = {
    {"a.qx770x", "QUESSA a"}, {"qx770x_pset_idx.txt", "a.qx770x\n"}, {"Live/b.qx770x", "QUESSA b"}};

}  // namespace

TEST_F(tcPackageInstallerTest, InstallingTwiceGivesANumberedSecondFolder) {
  put_package("Rock.pkg", kRock);
  const tcPackageInstaller::Outcome first = installer_.install(path("Rock.pkg"));
  ASSERT_EQ(first.result, tcPackageInstaller::kOk) << first.reason.toStdString();
  const tcPackageInstaller::Outcome second = installer_.install(path("Rock.pkg"));
  ASSERT_EQ(second.result, tcPackageInstaller::kOk);
  EXPECT_EQ(first.folder, "Rock");
  EXPECT_EQ(second.folder, "Rock (2)");
  EXPECT_EQ(get(path("fav/Rock (2)/Live/b.qx770x")), QByteArray("QUESSA b"));
  EXPECT_EQ(registry_.names(), QStringList({"Rock", "Rock (2)"}));
  EXPECT_TRUE(first.warning.isEmpty());
}

TEST_F(tcPackageInstallerTest, NamesRunOutAfterNine) {
  put_package("Rock.pkg", kRock);
  ASSERT_EQ(registry_.add("Rock"), 0);  // installed, folder gone: still taken
  QDir().mkpath(path("fav/Rock (2)"));
  put(path("fav/Rock (3)"), "a file takes the name too");
  EXPECT_EQ(installer_.choose_name(path("Rock.pkg")), "Rock (4)");
  for (int n = 4; n <= 9; ++n) QDir().mkpath(path(QString("fav/Rock (%1)").arg(n)));
  const tcPackageInstaller::Outcome outcome = installer_.install(path("Rock.pkg"));
  EXPECT_EQ(outcome.result, tcPackageInstaller::kNoName);
  EXPECT_EQ(registry_.names(), QStringList({"Rock"}));
  put_package("a;b.pkg", kRock);
  EXPECT_EQ(installer_.install(path("a;b.pkg")).result, tcPackageInstaller::kNoName);
}

TEST_F(tcPackageInstallerTest, RefusedPackagesLeaveNothingBehind) {
  QByteArray bytes;
  ASSERT_EQ(tcPresetPackageCodec::encode(kRock, &bytes), 0);
  QByteArray flipped = bytes;
  flipped[3] = static_cast<char>(flipped[3] ^ 0x10);  // one bit of the first word
  put(path("Flip.pkg"), flipped);
  tcPackageInstaller::Outcome outcome = installer_.install(path("Flip.pkg"));
  EXPECT_EQ(outcome.result, tcPackageInstaller::kNotPackage);

  // The third entry's mark is damaged: the reason names it.
  QByteArray damaged = bytes;
  const int third = 16 + 8 + 8 + 8 + 8 + 19 + 9;
  ASSERT_EQ(static_cast<uint8_t>(damaged[third]), 0xCD);
  damaged[third] = 0;
  put(path("Damaged.pkg"), damaged);
  outcome = installer_.install(path("Damaged.pkg"));
  EXPECT_EQ(outcome.result, tcPackageInstaller::kDamaged);
  EXPECT_TRUE(outcome.reason.startsWith("entry 3 ")) << outcome.reason.toStdString();

  put(path("Cut.pkg"), bytes.left(bytes.size() - 3));
  outcome = installer_.install(path("Cut.pkg"));
  EXPECT_EQ(outcome.result, tcPackageInstaller::kDamaged);
  EXPECT_TRUE(outcome.reason.contains("\"Live/b.qx770x\"")) << outcome.reason.toStdString();

  EXPECT_EQ(installer_.install(path("None.pkg")).result, tcPackageInstaller::kIoError);
  EXPECT_TRUE(QDir(path("fav")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
  EXPECT_TRUE(registry_.names().isEmpty());
}

TEST_F(tcPackageInstallerTest, HostileNamesNeverWriteOutsideTheNewFolder) {
  // Hand-made bytes: the codec refuses to encode these names.
  const QByteArray names[] = {"../escape.qx770x", "/tmp/escape.qx770x", "a\\..\\escape.qx770x",
                              "Sub/../../escape.qx770x"};
  for (const QByteArray& name : names) {
    QByteArray bytes = QByteArray::fromHex("BBBBAAAA000000000000000000000000CDAB");
    bytes.append(static_cast<char>(name.size())).append('\0');
    bytes.append(QByteArray::fromHex("01000000")).append(name).append('\xAE');
    put(path("Evil.pkg"), bytes);
    const tcPackageInstaller::Outcome outcome = installer_.install(path("Evil.pkg"));
    EXPECT_EQ(outcome.result, tcPackageInstaller::kDamaged) << name.constData();
    EXPECT_TRUE(outcome.reason.contains("entry 1")) << outcome.reason.toStdString();
  }
  EXPECT_FALSE(QFile::exists(path("escape.qx770x")));
  EXPECT_TRUE(QDir(path("fav")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(tcPackageInstallerTest, AFailedWriteRemovesTheNewFolder) {
  // A file where the package wants a folder makes the second entry fail.
  put_package("Clash.pkg", {{"x", "file"}, {"x/y.qx770x", "QUESSA"}});
  const tcPackageInstaller::Outcome outcome = installer_.install(path("Clash.pkg"));
  EXPECT_EQ(outcome.result, tcPackageInstaller::kIoError);
  EXPECT_FALSE(QFileInfo::exists(path("fav/Clash")));
  EXPECT_FALSE(registry_.is_installed("Clash"));
}

TEST_F(tcPackageInstallerTest, AutoloadInstallsAndKeepsWhatFailed) {
  QByteArray bytes;
  ASSERT_EQ(tcPresetPackageCodec::encode(kRock, &bytes), 0);
  put(path("presets/autoload/Rock.pkg"), bytes);
  put(path("presets/autoload/Bad.pkg"), "not a package at all");
  put(path("presets/autoload/readme.txt"), "left alone");
  const std::vector<tcPackageInstaller::Outcome> outcomes = installer_.autoload(path("presets"));
  ASSERT_EQ(outcomes.size(), 2u);
  EXPECT_EQ(outcomes[0].result, tcPackageInstaller::kNotPackage);  // Bad.pkg, by name
  EXPECT_EQ(outcomes[1].result, tcPackageInstaller::kOk);
  EXPECT_FALSE(QFile::exists(path("presets/autoload/Rock.pkg")));
  EXPECT_TRUE(QFile::exists(path("presets/autoload/Bad.pkg")));
  EXPECT_TRUE(QFile::exists(path("presets/autoload/readme.txt")));
  EXPECT_TRUE(QFile::exists(path("fav/Rock/a.qx770x")));

  // A fresh presets folder gets its autoload folder.
  EXPECT_TRUE(installer_.autoload(path("fresh")).empty());
  EXPECT_TRUE(QFileInfo(path("fresh/autoload")).isDir());
}
