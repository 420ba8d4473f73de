#pragma once
// "Devices": the device list with Add, Edit, Delete and Select. Select closes
// the dialog on a device other than the current one, which the caller then
// makes current. Add, Edit and Delete change the list at once.
#include <QDialog>

class QListWidget;
class QPushButton;
class tcDeviceList;

class tcDevicesDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kAddAddress = "192.168.1.";

  explicit tcDevicesDlg(tcDeviceList& devices, QWidget* parent = nullptr);

  // The row chosen by Select; -1 when none.
  int selected() const;
  // Whether the current device's address was edited while the dialog was open.
  bool address_changed() const { return address_changed_; }

  QListWidget* list() const { return list_; }
  QPushButton* add_button() const { return add_; }
  QPushButton* edit_button() const { return edit_; }
  QPushButton* delete_button() const { return delete_; }
  QPushButton* select_button() const { return select_; }

 public slots:
  // Select: closes only on a row other than the current device.
  void accept() override;

 private slots:
  void slot_add();
  void slot_edit();
  void slot_delete();
  void slot_selection_changed();

 private:
  // Refills the names and selects `row` (none when out of range).
  void refresh(int row);
  // The selected row when it is not the current device, else -1.
  int choosable_row() const;

  tcDeviceList& devices_;
  QListWidget* list_;
  QPushButton* add_;
  QPushButton* edit_;
  QPushButton* delete_;
  QPushButton* select_;
  bool address_changed_ = false;
};
