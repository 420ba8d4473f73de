#pragma once
// "Favorite preset folders.": the folder tree of the favourites directory, its
// root shown as "favorites", package folders with their own images.
#include "presets/dialogs/tcPDlgListBox.h"

struct tcPresetNode;

class tcPDlgFavFoldersBox : public tcPDlgListBox {
  Q_OBJECT

 public:
  static constexpr const char* kRootName = "favorites";

  explicit tcPDlgFavFoldersBox(CPresetsDlg* owner, QWidget* parent = nullptr);

  // Reloads the tree from disk, keeping (or setting) the current folder.
  void populate(const QString& current = QString());
  // The current folder's path, "" when none.
  QString current_folder() const { return current_key(); }
  bool is_root(const QString& folder) const;
  // The installed package a folder lies in ("" when none).
  QString package_of(const QString& folder) const;

  int read_presets(const QStringList& keys, tcPresetClips* out) override;
  void paste_clips(const tcPresetClips& clips, const QString& target) override;

  // The steps behind the menu entries, without their file choosers.
  int create_folder(const QString& parent, const QString& name);
  int delete_folder(const QString& folder);
  int rename_folder(const QString& folder, const QString& name);
  int install_package(const QString& package_path);
  int build_package(const QString& folder, const QString& package_path);

 public slots:
  void slot_save();
  void slot_new_folder();
  void slot_delete();
  void slot_rename();
  void slot_install_pkg();
  void slot_build_pkg();

 private slots:
  void slot_expanded(QTreeWidgetItem* item);
  void slot_collapsed(QTreeWidgetItem* item);

 private:
  QTreeWidgetItem* add_folder(QTreeWidgetItem* parent, const tcPresetNode& node);
  void set_folder_icon(QTreeWidgetItem* item);

  static constexpr int kPackageRole = Qt::UserRole + 1;  // 0 none, 1 inside, 2 top folder
};
