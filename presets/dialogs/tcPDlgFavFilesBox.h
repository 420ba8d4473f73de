#pragma once
// "Favorite preset files contained in the folder selected above.": the preset
// files of one library folder in index order, shown by name.
#include "presets/dialogs/tcPDlgListBox.h"

class tcPDlgFavFilesBox : public tcPDlgListBox {
  Q_OBJECT

 public:
  explicit tcPDlgFavFilesBox(CPresetsDlg* owner, QWidget* parent = nullptr);

  // Shows the files of `folder` ("" for none), selecting the files named.
  void populate(const QString& folder, const QStringList& select = QStringList());
  const QString& folder() const { return folder_; }

  int read_presets(const QStringList& keys, tcPresetClips* out) override;
  void paste_clips(const tcPresetClips& clips, const QString& target) override;

  // Deletes files (paths) and their index lines, without asking.
  void delete_files(const QStringList& paths);
  // Renames one preset file: its header name and its file name. 0, or -1 after
  // telling the user; the old file stays whole on any failure.
  int rename_file(const QString& path, const QString& name);

 public slots:
  void slot_save();
  void slot_take();
  void slot_delete();
  void slot_rename();
  void slot_sort_up();
  void slot_sort_dn();
  void slot_sg_view();
  void slot_sg_clear();

 private:
  void sort(int step);

  QString folder_;
};
