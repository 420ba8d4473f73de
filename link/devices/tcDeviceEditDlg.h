#pragma once
// "Edit Device": a device's name and IPv4 address. In edit mode the name is
// shown but cannot be changed.
#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

class tcDeviceEditDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kAddressMask = "009.009.009.009; ";

  tcDeviceEditDlg(bool edit_mode, const QString& name, const QString& address,
                  QWidget* parent = nullptr);

  QString name() const;
  // The address as confirmed by OK: the field's text with every blank removed.
  const QString& address() const { return address_; }

  QLineEdit* name_field() const { return name_; }
  QLineEdit* address_field() const { return address_field_; }
  QPushButton* ok_button() const { return ok_; }

 public slots:
  // Closes only with a name; the address is taken then.
  void accept() override;

 private:
  QLineEdit* name_;
  QLineEdit* address_field_;
  QPushButton* ok_;
  QString address_;
};
