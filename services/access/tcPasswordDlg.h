#pragma once
// The GUI access code dialog, in two forms: "GUI Access Code & Permissions"
// with the code (up to ten digits) and the restrictions that apply while the
// panel is locked, and "Device Password" with the code alone. The keypad is
// attached to the code field.
#include <QDialog>
#include <cstdint>

#include "services/access/tcGuiRestriction.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class tcKeyboardExtension;

class tcPasswordDlg : public QDialog {
  Q_OBJECT

 public:
  enum Form { kAccess, kDevice };
  static constexpr const char* kCodeMask = "0000000000";
  static constexpr int kRestrictionBoxes = tcGuiRestriction::kBoxCount;

  // `bits` set the restriction boxes (bits the dialog has no box for are left out).
  tcPasswordDlg(Form form, const QString& text, uint32_t bits, QWidget* parent = nullptr);

  QString text() const;
  // The restriction bits of the ticked boxes.
  uint32_t bits() const;

  QLineEdit* code_field() const { return code_; }
  QGroupBox* restriction_group() const { return group_; }
  // In the order of the restriction table: settings, takes, saves, screens, meters.
  QCheckBox* restriction_box(int index) const { return boxes_[index]; }
  tcKeyboardExtension* keypad() const { return keypad_; }

 public slots:
  void slot_keypress(int key);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* code_;
  QGroupBox* group_;
  QCheckBox* boxes_[kRestrictionBoxes];
  tcKeyboardExtension* keypad_;
};
