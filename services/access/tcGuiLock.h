#pragma once
// The panel's GUI lock, its only holder: the access code, the restriction bits
// and whether the panel is locked, mirrored in the current device's file. It
// runs the set-access, lock and unlock flows with their dialogs and messages,
// and tells the panel, asked with a control id before each gesture, whether
// the control may be operated now. GUI thread only.
#include <QObject>
#include <cstdint>

#include "services/access/tcGuiRestriction.h"

class GLOBALS;
class QWidget;
class tcDeviceEntry;
class tcDeviceList;

class tcGuiLock : public QObject {
  Q_OBJECT

 public:
  enum Access {
    kNotRestricted = 0,  // go on with the operation
    kStillLocked = 1,    // the operation does not take place
    kUnlocked = 2,       // the code was given: the panel is unlocked, go on
  };
  static constexpr uint16_t kLocalPwId = 0x2009;
  static constexpr uint16_t kLocalAccId = 0x200A;
  static constexpr const char* kTitle = "GUI Lock";
  static constexpr const char* kAlreadyLocked = "This GUI interface is already locked.";
  static constexpr const char* kNoPassword =
      "No password, the GUI will not be locked.\nSet a GUI access password first.";
  static constexpr const char* kAskLock = "Are you sure you want to lock this GUI interface?";
  static constexpr const char* kLockCodeTitle = "Enter Lock Access Code";
  static constexpr const char* kWrongLockCode =
      "Incorrect access code, the GUI will not be locked.";
  static constexpr const char* kNowLocked = "This GUI interface is now locked.";
  static constexpr const char* kWrongUnlockCode =
      "Wrong password! This GUI interface remains locked.\n";
  static constexpr const char* kNowUnlocked = "This GUI interface is now unlocked.";

  // `dialog_parent` parents the dialogs and message boxes of the flows.
  tcGuiLock(tcDeviceList& devices, GLOBALS& globals, QWidget* dialog_parent,
            QObject* parent = nullptr);

  bool locked() const { return locked_; }
  uint32_t code() const { return code_; }
  // The held restriction bits, top bit included.
  uint32_t bits() const { return bits_; }

  // The restriction mask of a skin control id.
  static uint32_t mask_of(int control_id);
  // Whether the control may be operated now; when it is restricted the unlock
  // flow runs first.
  Access check(int control_id);
  // The same for a mask; a right-click on the panel uses tcGuiRestriction::kAll.
  Access check_mask(uint32_t mask);

  // Flows.
  // "GUI Access Code & Permissions" for the current device: the new code and
  // restrictions go to the device file, the lock and the processor.
  void run_set_access();
  void run_lock();
  // True when the panel is unlocked at the end.
  bool run_unlock();

 public slots:
  // The current device's access data and lock state from its file (at start and
  // after another device became current).
  void load_from_device();
  // The access data given when a connection is accepted.
  void set_access(quint32 code, quint32 flags, bool locked);
  // Off-line: the code and restrictions are cleared, the lock state stays.
  void clear_access();
  // The processor reported new GUI access globals: they go to the lock and the
  // device file.
  void take_processor_access();

 signals:
  void sig_lock_changed(bool locked);

 private:
  // The code that opens the lock: the held one, or while none is held (off-line)
  // the device's, so that going off-line does not open a locked panel.
  uint32_t effective_code() const;
  void set_locked(bool locked);
  // Tells the user when the device file could not be written.
  void report_write(tcDeviceEntry* device, int result) const;
  void inform(const char* text) const;

  tcDeviceList& devices_;
  GLOBALS& globals_;
  QWidget* const dialog_parent_;
  bool locked_ = false;
  uint32_t code_ = 0;
  uint32_t bits_ = tcGuiRestriction::kAlways;
};
