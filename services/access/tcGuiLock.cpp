#include "services/access/tcGuiLock.h"

#include <QMessageBox>

#include "app/core/tcCrc32.h"
#include "link/devices/tcDeviceList.h"
#include "params/GLOBALS.h"
#include "services/access/tcGuiLockCheckDlg.h"
#include "services/access/tcPasswordDlg.h"

namespace {

struct MaskRange {
  int first;
  int last;
  uint32_t mask;
};
const MaskRange kMasks[] = {
    {1001, 1005, 0},
    {1036, 1038, 0},
    {8026, 8030, 0},
    {9005, 9006, 0},
    {11036, 11042, 0},
    {1006, 1006, tcGuiRestriction::kTakes | tcGuiRestriction::kSaves},
    {1035, 1035, tcGuiRestriction::kTakes | tcGuiRestriction::kSaves},
    {9007, 9007, tcGuiRestriction::kTakes | tcGuiRestriction::kSaves},
    {1007, 1007, tcGuiRestriction::kMeters},
    {1014, 1014, tcGuiRestriction::kScreens},
    {1016, 1016, tcGuiRestriction::kScreens},
    {1018, 1018, tcGuiRestriction::kScreens},
    {1020, 1024, tcGuiRestriction::kScreens},
    {1033, 1033, tcGuiRestriction::kSaves},
    {1034, 1034, tcGuiRestriction::kTakes},
    {9003, 9004, tcGuiRestriction::kAll},
};

uint32_t code_of(const QString& text) {
  return tcCrc32::of_text(text.toLatin1().constData());
}

}  // namespace

tcGuiLock::tcGuiLock(tcDeviceList& devices, GLOBALS& globals, QWidget* dialog_parent,
                     QObject* parent)
    : QObject(parent), devices_(devices), globals_(globals), dialog_parent_(dialog_parent) {}

uint32_t tcGuiLock::mask_of(int control_id) {
  for (const MaskRange& range : kMasks)
    if (control_id >= range.first && control_id <= range.last) return range.mask;
  return tcGuiRestriction::kSettings;
}

tcGuiLock::Access tcGuiLock::check(int control_id) {
  return check_mask(mask_of(control_id));
}

tcGuiLock::Access tcGuiLock::check_mask(uint32_t mask) {
  if (!locked_ || !(mask & bits_)) return kNotRestricted;
  return run_unlock() ? kUnlocked : kStillLocked;
}

uint32_t tcGuiLock::effective_code() const {
  if (code_ != 0) return code_;
  const tcDeviceEntry* device = devices_.current();
  return device ? device->ucrc() : 0;
}

void tcGuiLock::set_locked(bool locked) {
  if (locked_ == locked) return;
  locked_ = locked;
  emit sig_lock_changed(locked);
}

void tcGuiLock::report_write(tcDeviceEntry* device, int result) const {
  if (device && result != 0)
    QMessageBox::warning(dialog_parent_, QStringLiteral("Error"), device->write_error());
}

void tcGuiLock::inform(const char* text) const {
  QMessageBox::information(dialog_parent_, QString::fromLatin1(kTitle), QString::fromLatin1(text));
}

void tcGuiLock::load_from_device() {
  const tcDeviceEntry* device = devices_.current();
  code_ = device ? device->ucrc() : 0;
  bits_ = (device ? device->uflg() : 0) | tcGuiRestriction::kAlways;
  set_locked(device && device->ulck());
}

void tcGuiLock::set_access(quint32 code, quint32 flags, bool locked) {
  code_ = code;
  bits_ = flags | tcGuiRestriction::kAlways;
  set_locked(locked);
}

void tcGuiLock::clear_access() {
  code_ = 0;
  bits_ = tcGuiRestriction::kAlways;
}

void tcGuiLock::take_processor_access() {
  const uint32_t code = globals_.int_value(kLocalPwId);
  const uint32_t flags = globals_.int_value(kLocalAccId);
  code_ = code;
  bits_ = flags | tcGuiRestriction::kAlways;
  tcDeviceEntry* device = devices_.current();
  if (device && (device->ucrc() != code || device->uflg() != flags))
    report_write(device, device->set_access(code, flags, locked_));
}

void tcGuiLock::run_set_access() {
  tcDeviceEntry* device = devices_.current();
  tcPasswordDlg dlg(tcPasswordDlg::kAccess, QString(),
                    device ? device->uflg() : bits_ & ~tcGuiRestriction::kAlways, dialog_parent_);
  if (dlg.exec() != QDialog::Accepted) return;
  const uint32_t code = code_of(dlg.text());
  const uint32_t flags = dlg.bits();
  if (device) report_write(device, device->set_access(code, flags, locked_));
  code_ = code;
  bits_ = flags | tcGuiRestriction::kAlways;
  globals_.set_int(kLocalPwId, code, kSourceConsole);
  globals_.set_int(kLocalAccId, flags, kSourceConsole);
}

void tcGuiLock::run_lock() {
  if (locked_) {
    inform(kAlreadyLocked);
    return;
  }
  const uint32_t code = effective_code();
  if (code == 0) {
    QMessageBox::warning(dialog_parent_, QString::fromLatin1(kTitle),
                         QString::fromLatin1(kNoPassword));
    return;
  }
  if (QMessageBox::question(dialog_parent_, QString::fromLatin1(kTitle),
                            QString::fromLatin1(kAskLock),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  tcGuiLockCheckDlg dlg(dialog_parent_);
  dlg.setWindowTitle(QString::fromLatin1(kLockCodeTitle));
  if (dlg.exec() != QDialog::Accepted) return;
  if (code_of(dlg.text()) != code) {
    QMessageBox::warning(dialog_parent_, QString::fromLatin1(kTitle),
                         QString::fromLatin1(kWrongLockCode));
    return;
  }
  set_locked(true);
  tcDeviceEntry* device = devices_.current();
  if (device) report_write(device, device->set_locked(true));
  inform(kNowLocked);
}

bool tcGuiLock::run_unlock() {
  if (!locked_) return true;
  const uint32_t code = effective_code();
  tcDeviceEntry* device = devices_.current();
  if (code != 0) {
    tcGuiLockCheckDlg dlg(dialog_parent_);
    if (dlg.exec() != QDialog::Accepted) return false;
    if (code_of(dlg.text()) != code) {
      inform(kWrongUnlockCode);
      return false;
    }
  }
  if (device) report_write(device, device->set_locked(false));
  set_locked(false);
  if (code != 0) inform(kNowUnlocked);
  return true;
}
