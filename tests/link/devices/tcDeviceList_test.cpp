#include "link/devices/tcDeviceList.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <string>

namespace {

class DeviceList : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  tcDeviceList list{dir.path()};

  bool file_exists(const char* name) const {
    return QFile::exists(QDir(dir.path()).filePath(QString::fromLatin1(name) + ".cfg"));
  }
  // A second list over the same folder sees only what reached the files.
  tcDeviceList reloaded(const char* current) const {
    tcDeviceList other(dir.path());
    other.load(current);
    return other;
  }
};

}  // namespace

TEST_F(DeviceList, LoadsEveryCfgFileAndChoosesTheCurrentByName) {
  ASSERT_NE(list.add("Studio A", "10.0.0.5"), nullptr);
  ASSERT_NE(list.add("Tx_2", "10.0.0.6"), nullptr);
  QFile other(QDir(dir.path()).filePath("notes.txt"));
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.close();
  QDir(dir.path()).mkdir("folder.cfg");  // files only

  EXPECT_TRUE(file_exists("Studio A"));
  tcDeviceList loaded = reloaded("Tx_2");
  ASSERT_EQ(loaded.count(), 2);
  EXPECT_STREQ(loaded.name_at(0), "Studio A");
  EXPECT_STREQ(loaded.current()->name().c_str(), "Tx_2");
  EXPECT_STREQ(loaded.at(0)->address().c_str(), "10.0.0.5");
  EXPECT_EQ(loaded.at(2), nullptr);
  EXPECT_EQ(loaded.name_at(-1), nullptr);

  EXPECT_EQ(reloaded("????????").current_index(), -1);
  EXPECT_EQ(reloaded("tx_2").current(), nullptr);  // names match exactly
}

TEST_F(DeviceList, MissingKeysReadTheirDefaults) {
  QFile empty(QDir(dir.path()).filePath("Bare.cfg"));
  ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  empty.close();
  tcDeviceList loaded = reloaded("Bare");
  const tcDeviceEntry* device = loaded.current();
  ASSERT_NE(device, nullptr);
  EXPECT_STREQ(device->address().c_str(), "0.0.0.0");
  EXPECT_EQ(device->ucrc(), 0u);
  EXPECT_EQ(device->uflg(), 0u);
  EXPECT_EQ(device->rcrc(), 0u);
  EXPECT_FALSE(device->ulck());
}

TEST_F(DeviceList, AccessCodesSurviveTheFileForEvery32BitValue) {
  tcDeviceEntry* device = list.add("Codes", "1.2.3.4");
  ASSERT_NE(device, nullptr);
  for (const uint32_t code : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xCBF43926u, 0xFFFFFFFFu}) {
    ASSERT_EQ(device->set_access(code, code ^ 0x80000017u, true), 0);
    ASSERT_EQ(device->set_rcrc(~code), 0);
    tcDeviceList loaded = reloaded("Codes");
    const tcDeviceEntry* back = loaded.current();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->ucrc(), code);
    EXPECT_EQ(back->uflg(), code ^ 0x80000017u);
    EXPECT_EQ(back->rcrc(), ~code);
    EXPECT_TRUE(back->ulck());
  }
  ASSERT_EQ(device->set_locked(false), 0);
  EXPECT_FALSE(reloaded("Codes").current()->ulck());
  EXPECT_EQ(reloaded("Codes").current()->ucrc(), 0xFFFFFFFFu);  // lock alone leaves the code
}

TEST_F(DeviceList, AddRefusesBadAndDuplicateNames) {
  ASSERT_NE(list.add("Main", "1.1.1.1"), nullptr);
  EXPECT_EQ(list.add("Main", "2.2.2.2"), nullptr);  // would share Main.cfg
  EXPECT_EQ(list.add("", "2.2.2.2"), nullptr);
  EXPECT_EQ(list.add("../escape", "2.2.2.2"), nullptr);
  EXPECT_EQ(list.add(std::string(41, 'x').c_str(), "2.2.2.2"), nullptr);
  EXPECT_NE(list.add(std::string(40, 'x').c_str(), "2.2.2.2"), nullptr);
  EXPECT_EQ(list.count(), 2);
  EXPECT_STREQ(reloaded("Main").current()->address().c_str(), "1.1.1.1");
}

TEST_F(DeviceList, RemoveKeepsTheSameCurrentDeviceAndDeletesTheFile) {
  for (const char* name : {"A", "B", "C", "D"}) ASSERT_NE(list.add(name, "0.0.0.0"), nullptr);
  ASSERT_EQ(list.find("C"), 2);

  EXPECT_EQ(list.remove(list.at(0)), 0);  // before the current one
  EXPECT_FALSE(file_exists("A"));
  EXPECT_EQ(list.current_index(), 1);
  EXPECT_STREQ(list.current()->name().c_str(), "C");

  EXPECT_EQ(list.remove(list.at(2)), 0);  // after it
  EXPECT_STREQ(list.current()->name().c_str(), "C");

  EXPECT_EQ(list.remove(list.current()), 0);
  EXPECT_EQ(list.current(), nullptr);
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(list.remove(nullptr), -1);
  EXPECT_EQ(reloaded("B").count(), 1);
}

TEST_F(DeviceList, SetAddressIsWrittenAtOnce) {
  tcDeviceEntry* device = list.add("Edit", "192.168.1.");
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(list.set_address(*device, "192.168.1.20"), 0);
  EXPECT_STREQ(reloaded("Edit").current()->address().c_str(), "192.168.1.20");
}
