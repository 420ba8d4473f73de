#pragma once
// Renames a processor preset, a favourite file or a favourite folder: one name
// field, checked on OK with the preset-name rule (presets and files) or the
// folder-name rule (folders); a bad name keeps the dialog open.
#include <QDialog>

class QLineEdit;

class CPresetRenameDlg : public QDialog {
  Q_OBJECT

 public:
  enum Rule { kPresetName, kFolderName };
  static constexpr const char* kTitlePreset = "Rename Preset";
  static constexpr const char* kTitleFile = "Rename Favorite File";
  static constexpr const char* kTitleFolder = "Rename Favorite Folder";

  CPresetRenameDlg(const QString& title, const QString& name, Rule rule, QWidget* parent = nullptr);

  QString name() const;
  QLineEdit* edit() const { return edit_; }

 public slots:
  void accept() override;

 private:
  QLineEdit* edit_;
  Rule rule_;
};
