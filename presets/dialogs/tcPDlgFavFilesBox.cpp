#include "presets/dialogs/tcPDlgFavFilesBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include "params/tcPresetFile.h"
#include "params/tcPresetFileTexts.h"
#include "presets/dialogs/CPresetRenameDlg.h"
#include "presets/dialogs/CPresetsDlg.h"
#include "presets/dialogs/tcPresetIcons.h"
#include "presets/dialogs/tcPresetSaveDlg.h"
#include "presets/dialogs/tcPresetTake.h"
#include "presets/dialogs/tcPresetUi.h"
#include "presets/storage/tcPresetIndex.h"
#include "presets/storage/tcPresetLibrary.h"

namespace {
const tcPDlgListBox::MenuTable kSortMenus = {
    {"&Edit", "Sort Up\tCtrl+U", "Ctrl+U", SLOT(slot_sort_up()), tcPDlgListBox::kAlways},
    {"&Edit", "Sort Down\tCtrl+D", "Ctrl+D", SLOT(slot_sort_dn()), tcPDlgListBox::kAlways},
};
const tcPDlgListBox::MenuTable kFlagMenus = {
    {"&SGUI Flags", "View...", nullptr, SLOT(slot_sg_view()), tcPDlgListBox::kGuruOnly},
    {"&SGUI Flags", "Clear...", nullptr, SLOT(slot_sg_clear()), tcPDlgListBox::kGuruOnly},
};
}  // namespace

tcPDlgFavFilesBox::tcPDlgFavFilesBox(CPresetsDlg* owner, QWidget* parent)
    : tcPDlgListBox(owner,
                    QStringLiteral("Favorite preset files contained in the folder selected above."),
                    parent) {
  setRootIsDecorated(false);
  setHeaderLabels({QStringLiteral("Name")});

  build_menus({&preset_menu_head(), &kSortMenus, &preset_menu_view(), &kFlagMenus});
}

void tcPDlgFavFilesBox::populate(const QString& folder, const QStringList& select) {
  folder_ = folder;
  clear();
  if (folder.isEmpty()) return;
  const QDir dir(folder);
  QList<QTreeWidgetItem*> items;
  for (const QString& name : tcPresetLibrary::folder_presets(folder)) {
    auto* item = new QTreeWidgetItem(QStringList{QFileInfo(name).completeBaseName()});
    item->setData(0, kKeyRole, dir.absoluteFilePath(name));
    item->setIcon(0, tcPresetIcons::get(tcPresetIcons::kFile));
    items << item;
  }
  addTopLevelItems(items);
  for (QTreeWidgetItem* item : items) {
    if (select.contains(QFileInfo(item->data(0, kKeyRole).toString()).fileName())) {
      item->setSelected(true);
      setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
    }
  }
}

int tcPDlgFavFilesBox::read_presets(const QStringList& keys, tcPresetClips* out) {
  out->clear();
  tcPresetClips clips;
  for (const QString& path : keys) {
    tcPresetClip clip;
    QFile file(path);
    int result = tcPresetFile::kUnreadable;
    if (file.open(QIODevice::ReadOnly)) {
      clip.file_bytes = file.read(tcPresetFile::kSizeLimit);
      result = tcPresetFile::load_bytes(clip.file_bytes, &clip.header, clip.set.get());
    }
    if (result != 0) {
      tcPresetUi::load_failed(owner_, "Error copying preset:\n%s", result);
      return -1;
    }
    clip.file_name = QFileInfo(path).fileName();
    clips.push_back(std::move(clip));
  }
  *out = std::move(clips);
  return 0;
}

void tcPDlgFavFilesBox::paste_clips(const tcPresetClips& clips, const QString&) {
  if (folder_.isEmpty() || clips.empty()) return;
  owner_->paste_into_folder(folder_, clips);
}

void tcPDlgFavFilesBox::slot_save() {
  if (folder_.isEmpty()) return;
  tcPresetSaveDlg dlg(context(), folder_, owner_);
  if (dlg.exec() == QDialog::Accepted)
    populate(folder_, {dlg.name() + QLatin1String(tcPresetFile::kSuffix)});
}

void tcPDlgFavFilesBox::slot_take() {
  const QString path = current_key();
  if (!path.isEmpty()) tcPresetTake::take_file(owner_, context(), path);
}

void tcPDlgFavFilesBox::delete_files(const QStringList& paths) {
  const tcPresetIndex index(folder_);
  for (const QString& path : paths) {
    QFile file(path);
    if (!file.remove()) {
      tcPresetUi::warn(owner_, QLatin1String(tcPresetUi::kErrorTitle),
                       QStringLiteral("Unable to delete the file \"%1\".\n%2")
                           .arg(QDir::toNativeSeparators(path), file.errorString()));
      break;
    }
    QString reason;
    if (tcPresetUi::index_result(owner_, folder_, index.remove(QFileInfo(path).fileName(), &reason),
                                 reason) != 0)
      break;
  }
  populate(folder_);
}

void tcPDlgFavFilesBox::slot_delete() {
  const QStringList paths = selected_keys();
  if (paths.isEmpty()) return;
  QString text = QStringLiteral("Are you sure you wish to delete the presets?\n");
  for (const QString& path : paths)
    text += QStringLiteral("    %1\n").arg(QFileInfo(path).completeBaseName());
  if (QMessageBox::warning(owner_, QStringLiteral("Delete presets"), text,
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
    return;
  delete_files(paths);
}

int tcPDlgFavFilesBox::rename_file(const QString& path, const QString& name) {
  const QString title = QLatin1String(tcPresetUi::kErrorTitle);
  const QString old_name = QFileInfo(path).fileName();
  const QString new_name = name + QLatin1String(tcPresetFile::kSuffix);
  const QString target = QDir(folder_).filePath(new_name);
  const bool same_file = new_name == old_name;
  // Checked before anything is written: the old file stays as it is.
  if (!same_file && QFileInfo::exists(target)) {
    tcPresetUi::warn(owner_, title, QStringLiteral("A file with that name already exists."));
    return -1;
  }
  SETTINGS set;
  tcPresetHeader header;
  const int result = tcPresetFile::load_checked(path, &header, &set);
  if (result != 0) {
    tcPresetUi::load_failed(owner_, "Error reading preset:\n%s", result);
    return -1;
  }
  header.set_name(name.toLatin1().constData());
  // The renamed preset is written under its new name first; the old file goes
  // only once the new one is complete.
  if (tcPresetUi::write_preset(owner_, target, header, set) != 0) return -1;
  if (!same_file) {
    QFile old_file(path);
    if (!old_file.remove()) {
      tcPresetUi::warn(owner_, title,
                       QStringLiteral("Unable to rename file.\n%1").arg(old_file.errorString()));
      QFile::remove(target);
      return -1;
    }
    QString reason;
    tcPresetUi::index_result(owner_, folder_,
                             tcPresetIndex(folder_).rename(old_name, new_name, &reason), reason);
  }
  populate(folder_, {new_name});
  return 0;
}

void tcPDlgFavFilesBox::slot_rename() {
  const QString path = current_key();
  if (path.isEmpty()) return;
  CPresetRenameDlg dlg(QLatin1String(CPresetRenameDlg::kTitleFile),
                       QFileInfo(path).completeBaseName(), CPresetRenameDlg::kPresetName, owner_);
  if (dlg.exec() == QDialog::Accepted) rename_file(path, dlg.name());
}

void tcPDlgFavFilesBox::sort(int step) {
  const QString path = current_key();
  if (path.isEmpty()) return;
  const QString name = QFileInfo(path).fileName();
  const tcPresetIndex index(folder_);
  QString reason;
  const int result = step < 0 ? index.move_up(name, &reason) : index.move_down(name, &reason);
  tcPresetUi::index_result(owner_, folder_, result, reason);
  populate(folder_, {name});
}

void tcPDlgFavFilesBox::slot_sort_up() {
  sort(-1);
}

void tcPDlgFavFilesBox::slot_sort_dn() {
  sort(1);
}

void tcPDlgFavFilesBox::slot_sg_view() {
  if (!context().guru()) return;
  QVector<QPair<QString, QString>> rows;
  for (const QString& path : selected_keys()) {
    tcPresetHeader header;
    const int result = tcPresetFile::read_header(path, &header);
    rows << qMakePair(QFileInfo(path).completeBaseName(),
                      result == 0
                          ? tcPresetFileTexts::map_version_text(header.map_version).toQString()
                          : tcPresetFileTexts::load_error_text("%s", result).toQString());
  }
  owner_->show_sg_flags(rows);
}

void tcPDlgFavFilesBox::slot_sg_clear() {
  const QStringList paths = selected_keys();
  if (!context().guru() || paths.isEmpty()) return;
  if (!tcPresetUi::ask(
          owner_, QStringLiteral("Preset SG Flag Clear"),
          QStringLiteral("Are you sure you want to tag the selected presets as factory presets?")))
    return;
  for (const QString& path : paths) {
    SETTINGS set;
    tcPresetHeader header;
    const int result = tcPresetFile::load_checked(path, &header, &set);
    if (result != 0) {
      tcPresetUi::load_failed(owner_, "Error reading preset:\n\n%s", result);
      return;
    }
    set.reset_fine_adjust(kSourceSilent);
    header.map_version = tcPresetHeader::kVersionFactory;
    if (tcPresetUi::write_preset(owner_, path, header, set) != 0) return;
  }
}
