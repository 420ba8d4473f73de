#pragma once
// The processor password entry. Login mode asks for the password after the
// processor rejected the remembered code; the result is the code of the typed
// text and whether it should be remembered for the device.
#include <QDialog>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class tcOptions;

class tcPswdEntryDlg : public QDialog {
  Q_OBJECT

 public:
  enum Mode {
    kLogin,  // "Login Password": one password field, always accepted
  };

  // `options` keeps "Hide Password" (OPTIONS/dialog_hide_pswd) across openings.
  tcPswdEntryDlg(Mode mode, tcOptions& options, QWidget* parent = nullptr);

  // The code of the typed password (0 for an empty one).
  uint32_t code() const;
  bool remember() const;

  QLineEdit* password_field() const { return password_; }
  QCheckBox* remember_box() const { return remember_; }
  QCheckBox* hide_box() const { return hide_; }

 private slots:
  void slot_hide_toggled(bool hide);

 private:
  tcOptions& options_;
  QLineEdit* password_;
  QCheckBox* remember_;
  QCheckBox* hide_;
};
