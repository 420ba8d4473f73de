#include "services/access/tcGuiLock.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTemporaryDir>
#include <vector>

#include "app/core/tcCrc32.h"
#include "app/core/tcDeviceConfig.h"
#include "link/devices/tcDeviceList.h"
#include "params/GLOBALS.h"
#include "services/access/tcPasswordDlg.h"
#include "support/tcModalScript.h"

namespace {

class GuiLock : public ::testing::Test {
 protected:
  void SetUp() override {
    devices.add("Studio", "10.0.0.5");
    devices.set_current(0);
  }
  // The file as written, read afresh.
  tcDeviceConfig file() const { return tcDeviceConfig(dir.path(), "Studio"); }
  static void on_global(void* self, uint16_t id, int source) {
    static_cast<GuiLock*>(self)->changes.push_back({id, source});
  }

  QTemporaryDir dir;
  tcDeviceList devices{dir.path()};
  std::vector<std::pair<uint16_t, int>> changes;
  GLOBALS globals{&GuiLock::on_global, this};
  tcGuiLock lock{devices, globals, nullptr};
};

}  // namespace

TEST_F(GuiLock, SettingAccessStoresTheCodeAndRestrictionsEverywhere) {
  tcModalScript script;
  script.then([](QDialog* d) {
    auto* dlg = qobject_cast<tcPasswordDlg*>(d);
    dlg->code_field()->setText("1234");
    dlg->restriction_box(0)->setChecked(true);  // Setting Changes
    dlg->restriction_box(3)->setChecked(true);  // Screen Changes
    dlg->accept();
  });
  script.run();
  lock.run_set_access();
  const uint32_t code = tcCrc32::of_text("1234");
  EXPECT_EQ(file().ucrc(), code);
  EXPECT_EQ(file().uflg(), 17u);
  EXPECT_FALSE(file().ulck());
  EXPECT_EQ(lock.code(), code);
  EXPECT_EQ(lock.bits(), 0x80000011u);
  EXPECT_EQ(globals.int_value(tcGuiLock::kLocalPwId), code);
  EXPECT_EQ(globals.int_value(tcGuiLock::kLocalAccId), 17u);
  // Source 2: both go to the processor.
  EXPECT_EQ(changes, (std::vector<std::pair<uint16_t, int>>{{0x2009, 2}, {0x200A, 2}}));
}

TEST_F(GuiLock, AnEmptyPasswordRefusesToLockAndUnlocksWithoutACode) {
  lock.set_access(tcCrc32::of_text(""), 1, false);
  tcModalScript refuse;
  refuse.box(QMessageBox::Ok).run();
  lock.run_lock();
  EXPECT_EQ(refuse.log, std::vector<QString>{"GUI Lock|No password, the GUI will not be locked.\n"
                                             "Set a GUI access password first."});
  EXPECT_FALSE(lock.locked());

  lock.set_access(0, 1, true);
  EXPECT_EQ(lock.check(5000), tcGuiLock::kUnlocked);  // no dialog, no box
  EXPECT_FALSE(lock.locked());
}

TEST_F(GuiLock, LockingAsksForTheCodeAndIsKeptInTheDeviceFile) {
  lock.set_access(tcCrc32::of_text("1234"), 0, false);
  tcModalScript wrong;
  wrong.box(QMessageBox::Yes).type("9999").box(QMessageBox::Ok).run();
  lock.run_lock();
  EXPECT_EQ(wrong.log[1], "Enter Lock Access Code");
  EXPECT_EQ(wrong.log[2], "GUI Lock|Incorrect access code, the GUI will not be locked.");
  EXPECT_FALSE(lock.locked());

  tcModalScript right;
  right.box(QMessageBox::Yes).type("1234").box(QMessageBox::Ok).run();
  lock.run_lock();
  EXPECT_EQ(right.log[0], "GUI Lock|Are you sure you want to lock this GUI interface?");
  EXPECT_EQ(right.log[2], "GUI Lock|This GUI interface is now locked.");
  EXPECT_TRUE(lock.locked());
  EXPECT_TRUE(file().ulck());

  tcModalScript again;
  again.box(QMessageBox::Ok).run();
  lock.run_lock();
  EXPECT_EQ(again.log[0], "GUI Lock|This GUI interface is already locked.");
}

TEST_F(GuiLock, RestrictedControlsAskForTheCodeWhileLocked) {
  devices.current()->set_access(tcCrc32::of_text("42"), 1, true);
  lock.load_from_device();
  ASSERT_TRUE(lock.locked());
  EXPECT_EQ(lock.check(1001), tcGuiLock::kNotRestricted);  // never restricted
  EXPECT_EQ(lock.check(1034), tcGuiLock::kNotRestricted);  // takes: not held

  tcModalScript cancel;
  cancel.then([](QDialog* d) { d->reject(); }).run();
  EXPECT_EQ(lock.check(9003), tcGuiLock::kStillLocked);  // always restricted

  tcModalScript wrong;
  wrong.type("41").box(QMessageBox::Ok).run();
  EXPECT_EQ(lock.check(5000), tcGuiLock::kStillLocked);
  EXPECT_EQ(wrong.log[0], "Restricted Access Code Required");
  EXPECT_EQ(wrong.log[1], "GUI Lock|Wrong password! This GUI interface remains locked.\n");

  // Off-line the held code and restrictions are cleared: only the all-bits
  // class asks, and the device's code still opens the lock.
  lock.clear_access();
  EXPECT_TRUE(lock.locked());
  EXPECT_EQ(lock.check(5000), tcGuiLock::kNotRestricted);
  tcModalScript right;
  right.type("42").box(QMessageBox::Ok).run();
  EXPECT_EQ(lock.check_mask(tcGuiRestriction::kAll), tcGuiLock::kUnlocked);
  EXPECT_EQ(right.log[1], "GUI Lock|This GUI interface is now unlocked.");
  EXPECT_FALSE(lock.locked());
  EXPECT_FALSE(file().ulck());
}

TEST(GuiLockMasks, ControlIdsMapToTheirRestrictionClasses) {
  const struct {
    int id;
    uint32_t mask;
  } cases[] = {{1001, 0},  {1005, 0},  {1037, 0},  {1038, 0}, {8028, 0},  {9006, 0},   {11036, 0},
               {11042, 0}, {1006, 6},  {1035, 6},  {9007, 6}, {1007, 32}, {1014, 16},  {1015, 1},
               {1016, 16}, {1022, 16}, {1024, 16}, {1033, 4}, {1034, 2},  {9003, ~0u}, {9004, ~0u},
               {1008, 1},  {2012, 1},  {0, 1},     {11043, 1}};
  for (const auto& c : cases) EXPECT_EQ(tcGuiLock::mask_of(c.id), c.mask) << c.id;
}
