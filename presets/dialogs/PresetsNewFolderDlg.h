#pragma once
// "New Folder": the name of a folder to create in the library; OK checks it
// with the folder-name rule (letters, digits, blanks, "#" and "_", no blank at
// either end) and keeps the dialog open on a bad name.
#include <QDialog>

class QLineEdit;

class PresetsNewFolderDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "New Folder";

  explicit PresetsNewFolderDlg(QWidget* parent = nullptr);

  QString name() const;
  QLineEdit* edit() const { return edit_; }

  // True for a good folder name; else `message` gets what to tell the user
  // ("" for an empty name, which only returns the focus to the field).
  static bool check_name(const QString& name, QString* message);

 public slots:
  void accept() override;

 private:
  QLineEdit* edit_;
};
