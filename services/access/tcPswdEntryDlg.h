#pragma once
// The processor password entry, in two modes:
// - login ("Login Password"), after the processor rejected the remembered
//   code: one password field, always accepted; the result is the code of the
//   typed text;
// - change ("Password Update"): the current password, checked against the
//   processor's present code, and the new one typed twice; the result is the
//   code of the new text.
// Both tell whether the code should be remembered for the device. Texts are
// reduced to their codes here and kept nowhere.
#include <QDialog>
#include <cstdint>

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class tcKeyboardExtension;
class tcOptions;

class tcPswdEntryDlg : public QDialog {
  Q_OBJECT

 public:
  enum Mode {
    kLogin,   // "Login Password"
    kChange,  // "Password Update"
  };
  static constexpr const char* kWrongTitle = "Incorrect Password";
  static constexpr const char* kWrongCurrent = "Incorrect current password.\n";
  static constexpr const char* kNoMatch =
      "The new password did not match the verify password.\nPlease re-enter the new password.\n";

  // `options` keeps "Hide Password" (OPTIONS/dialog_hide_pswd) across openings.
  // `current_code` is the processor's present password code (change mode).
  tcPswdEntryDlg(Mode mode, tcOptions& options, QWidget* parent = nullptr,
                 uint32_t current_code = 0);

  // Login mode: the code of the typed password; change mode: of the new one
  // (0 for an empty text).
  uint32_t code() const;
  bool remember() const;

  QLineEdit* password_field() const { return password_; }
  QLineEdit* new_field() const { return new_; }        // change mode only
  QLineEdit* verify_field() const { return verify_; }  // change mode only
  QCheckBox* remember_box() const { return remember_; }
  QCheckBox* hide_box() const { return hide_; }
  tcKeyboardExtension* keypad() const { return keypad_; }
  // The "..." button of a field: shows the keypad and gives the field the focus.
  QPushButton* keypad_button(QLineEdit* field) const;

 public slots:
  void accept() override;
  void slot_keypress(int key);

 private slots:
  void slot_hide_toggled(bool hide);

 private:
  QLineEdit* add_field(QFormLayout* form, const char* label);
  void apply_echo(bool hide);
  static uint32_t code_of(const QLineEdit* field);

  const Mode mode_;
  tcOptions& options_;
  const uint32_t current_code_;
  QLineEdit* password_ = nullptr;
  QLineEdit* new_ = nullptr;
  QLineEdit* verify_ = nullptr;
  QCheckBox* remember_;
  QCheckBox* hide_;
  tcKeyboardExtension* keypad_;
};
