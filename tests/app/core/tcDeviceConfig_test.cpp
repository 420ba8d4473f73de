#include "app/core/tcDeviceConfig.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

TEST(tcDeviceConfig, EveryChangeIsOnDiskAtOnce) {
  QTemporaryDir maps;
  tcDeviceConfig config(maps.path(), QStringLiteral("Studio A"));
  EXPECT_EQ(config.path(), maps.filePath("Studio A.cfg"));
  EXPECT_EQ(config.ip_addr(), "0.0.0.0");
  EXPECT_EQ(config.ucrc(), 0u);
  EXPECT_FALSE(config.ulck());

  EXPECT_EQ(config.set_ip_addr("192.168.1.20"), 0);
  EXPECT_EQ(config.set_access(0x80000000u, 0xFFFFFFFFu, true), 0);
  EXPECT_EQ(config.set_rcrc(0x9ABCDEF0u), 0);
  EXPECT_EQ(config.set_preset(79, "Morning Drive"), 0);
  EXPECT_EQ(config.set_preset(80, "out of range"), -1);

  // A second reader sees everything without any flush of the first.
  const tcDeviceConfig other(maps.filePath("Studio A.cfg"));
  EXPECT_EQ(other.ip_addr(), "192.168.1.20");
  EXPECT_EQ(other.ucrc(), 0x80000000u);
  EXPECT_EQ(other.uflg(), 0xFFFFFFFFu);
  EXPECT_TRUE(other.ulck());
  EXPECT_EQ(other.rcrc(), 0x9ABCDEF0u);
  EXPECT_EQ(other.preset(79), "Morning Drive");
  EXPECT_EQ(other.preset(0), "");

  EXPECT_EQ(config.set_locked(false), 0);
  EXPECT_FALSE(tcDeviceConfig(config.path()).ulck());
  EXPECT_EQ(tcDeviceConfig(config.path()).ucrc(), 0x80000000u);
}

TEST(tcDeviceConfig, CodesReadInTheirSignedAndUnsignedForms) {
  QTemporaryDir maps;
  QFile f(maps.filePath("d.cfg"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(
      "<INI><Access ucrc=\"-1\" uflg=\"2147483648\" rcrc=\"-2147483648\" "
      "rcrd=\"4294967295\"/></INI>");
  f.close();
  const tcDeviceConfig config(maps.filePath("d.cfg"));
  EXPECT_EQ(config.ucrc(), 0xFFFFFFFFu);
  EXPECT_EQ(config.uflg(), 0x80000000u);
  EXPECT_EQ(config.rcrc(), 0x80000000u);
  EXPECT_EQ(config.rcrd(), 0xFFFFFFFFu);
  EXPECT_EQ(config.ip_addr(), "0.0.0.0");
}

TEST(tcDeviceConfig, PresetKeysAndRemoval) {
  EXPECT_EQ(tcDeviceConfig::preset_key(0), QByteArray("P000"));
  EXPECT_EQ(tcDeviceConfig::preset_key(7), QByteArray("P007"));
  EXPECT_EQ(tcDeviceConfig::preset_key(79), QByteArray("P079"));

  QTemporaryDir maps;
  {
    tcDeviceConfig config(maps.path(), QStringLiteral("Gone"));
    config.set_ip_addr("10.0.0.1");
    EXPECT_EQ(config.remove(), 0);
  }
  EXPECT_FALSE(QFile::exists(maps.filePath("Gone.cfg")));  // not written back on destruction
}
