#pragma once
// The skin chooser: lists the skin folders or the packed "*.skin" files of the
// skins directory; with packing offered it also unpacks a skin file into a
// folder of its name and packs a folder by the packer tool.
#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;

class tcSkinDlg : public QDialog {
  Q_OBJECT

 public:
  tcSkinDlg(const QString& skins_dir, bool offer_packing, QWidget* parent = nullptr);

  // Shows the view and selects name (with or without ".skin") when it is listed.
  void select(const QString& name, bool packed);

  // The selected folder, or in the files view the selected skin file's name
  // (with its ".skin"); empty when none.
  QString chosen_name() const;
  bool chosen_packed() const { return files_view_; }

 private slots:
  void slot_show_folders() { show_view(false); }
  void slot_show_files() { show_view(true); }
  void slot_unpack();
  void slot_pack();

 private:
  void show_view(bool files);
  QString selected() const;
  bool confirm_overwrite(const QString& title, const QString& target, const char* kind);

  QString skins_dir_;
  bool files_view_ = false;
  QListWidget* list_ = nullptr;
  QPushButton* unpack_ = nullptr;
  QPushButton* pack_ = nullptr;
};
