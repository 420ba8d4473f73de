#pragma once
// Asks for the GUI access code ("Restricted Access Code Required"), with the
// keypad attached; the lock flow retitles it "Enter Lock Access Code".
#include <QDialog>

class QLineEdit;
class tcKeyboardExtension;

class tcGuiLockCheckDlg : public QDialog {
  Q_OBJECT

 public:
  explicit tcGuiLockCheckDlg(QWidget* parent = nullptr);

  QString text() const;
  QLineEdit* code_field() const { return code_; }
  tcKeyboardExtension* keypad() const { return keypad_; }

 public slots:
  void slot_keypress(int key);

 private:
  QLineEdit* code_;
  tcKeyboardExtension* keypad_;
};
