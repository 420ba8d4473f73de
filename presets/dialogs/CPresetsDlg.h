#pragma once
// "Preset Library": the processor's presets, the favourite folders and the
// preset files of the selected folder side by side, with copy and paste, drag
// and drop between them, take, save, delete, rename, sort, lock, view, diff
// and print. Modal and built afresh each time; the boxes reload from disk and
// from the preset directory on open and on the window's sig_summary_changed()
// and sig_ptree_change().
#include <QDialog>
#include <QPair>
#include <QPointer>
#include <QStringList>
#include <QVector>

#include "presets/dialogs/tcPresetClip.h"
#include "presets/dialogs/tcPDlgListBox.h"
#include "presets/dialogs/tcPresetContext.h"

class QMenuBar;
class QTreeWidgetItem;
class tcPDlgArcBox;
class tcPDlgFavFilesBox;
class tcPDlgFavFoldersBox;

class CPresetsDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "Preset Library";
  static constexpr const char* kProtectedText = "You can not copy presets to a protected folder.";

  explicit CPresetsDlg(const tcPresetContext& context, QWidget* parent = nullptr);
  ~CPresetsDlg() override;

  const tcPresetContext& context() const { return context_; }
  tcPDlgArcBox* arc_box() const { return arc_; }
  tcPDlgFavFoldersBox* folders_box() const { return folders_; }
  tcPDlgFavFilesBox* files_box() const { return files_; }
  QMenuBar* menu_bar() const { return menu_bar_; }
  // The box whose menus the menu bar shows.
  tcPDlgListBox* menu_owner() const { return menu_owner_; }

  // The dialog's clipboard: what the last Copy read.
  tcPresetClips& clipboard() { return clipboard_; }
  void copy_from(tcPDlgListBox* box);

  // Drag and drop: the source box and its rows while a drag runs.
  void remember_drag(tcPDlgListBox* source, const QStringList& keys);
  tcPDlgListBox* drag_source() const { return drag_source_; }
  const QStringList& drag_keys() const { return drag_keys_; }
  // A drop onto a target row ("" for the target's current row): runs the
  // paste once the drag has ended.
  void drop_later(tcPDlgListBox* target, const QString& target_key);
  // The paste of the remembered drag, now.
  void drop_into(tcPDlgListBox* target, const QString& target_key);

  // Copies presets into a library folder as files (a file as it was, a
  // processor preset as a new file named after it), each added to the
  // folder's index; refuses a package folder. The files written.
  QStringList paste_into_folder(const QString& folder, const tcPresetClips& clips);

  // The live preset of the current bank (header and values).
  tcPresetClip live_clip() const;
  // View, diff and print of the selected presets of a box.
  void view_from(tcPDlgListBox* box);
  void diff_from(tcPDlgListBox* box);
  void print_from(tcPDlgListBox* box);
  void show_sg_flags(const QVector<QPair<QString, QString>>& rows);

 public slots:
  void slot_take_my_menu(tcPDlgListBox* box);
  void slot_fav_folder_item_changed(QTreeWidgetItem* current, QTreeWidgetItem* previous);
  void slot_fav_file_selection_changed();
  void slot_archive_selection_changed();
  void slot_ptree_change();
  void slot_populate_arc_list();

 private:
  // Enables the actions a box's selection allows.
  void update_actions(tcPDlgListBox* box);

  const tcPresetContext context_;  // a copy: the caller's may go first
  QMenuBar* menu_bar_;
  tcPDlgArcBox* arc_;
  tcPDlgFavFoldersBox* folders_;
  tcPDlgFavFilesBox* files_;
  QPointer<tcPDlgListBox> menu_owner_;
  tcPresetClips clipboard_;
  QPointer<tcPDlgListBox> drag_source_;
  QStringList drag_keys_;
};
