#include "presets/dialogs/tcPDlgFavFoldersBox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include "presets/dialogs/CPresetRenameDlg.h"
#include "presets/dialogs/CPresetsDlg.h"
#include "presets/dialogs/PresetsNewFolderDlg.h"
#include "presets/dialogs/tcPDlgFavFilesBox.h"
#include "presets/dialogs/tcPresetIcons.h"
#include "presets/dialogs/tcPresetPackageUi.h"
#include "presets/dialogs/tcPresetSaveDlg.h"
#include "presets/dialogs/tcPresetUi.h"
#include "presets/storage/tcPackageRegistry.h"
#include "presets/storage/tcPresetIndex.h"
#include "presets/storage/tcPresetLibrary.h"

namespace {
enum PackageMark { kNoPackage = 0, kInPackage = 1, kPackageTop = 2 };
const char kPackageFilter[] = "Preset Packages (*.pkg)";
const tcPDlgListBox::MenuTable kMenus = {
    {"&File", "Save\tCtrl+S", "Ctrl+S", SLOT(slot_save()), tcPDlgListBox::kAlways},
    {"&File", "New Folder...", nullptr, SLOT(slot_new_folder()), tcPDlgListBox::kAlways},
    {"&File", nullptr, nullptr, nullptr, tcPDlgListBox::kAlways},
    {"&File", "Install Preset Package...", nullptr, SLOT(slot_install_pkg()),
     tcPDlgListBox::kAlways},
    {"&File", "Build Preset Package...", nullptr, SLOT(slot_build_pkg()), tcPDlgListBox::kAlways},
    {"&Edit", "Paste\tCtrl+V", "Ctrl+V", SLOT(slot_paste()), tcPDlgListBox::kAlways},
    {"&Edit", "Delete\tDel", "Del", SLOT(slot_delete()), tcPDlgListBox::kAlways},
    {"&Edit", "Rename...", nullptr, SLOT(slot_rename()), tcPDlgListBox::kAlways},
};
}  // namespace

tcPDlgFavFoldersBox::tcPDlgFavFoldersBox(CPresetsDlg* owner, QWidget* parent)
    : tcPDlgListBox(owner, QStringLiteral("Favorite preset folders."), parent) {
  setHeaderHidden(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  set_current_follows_drag(true);
  connect(this, &QTreeWidget::itemExpanded, this, &tcPDlgFavFoldersBox::slot_expanded);
  connect(this, &QTreeWidget::itemCollapsed, this, &tcPDlgFavFoldersBox::slot_collapsed);

  build_menus({&kMenus});
}

void tcPDlgFavFoldersBox::set_folder_icon(QTreeWidgetItem* item) {
  const bool package = item->data(0, kPackageRole).toInt() != kNoPackage;
  const bool open = item->isExpanded();
  item->setIcon(0, tcPresetIcons::get(
                       package ? (open ? tcPresetIcons::kOpenPackage : tcPresetIcons::kPackage)
                               : (open ? tcPresetIcons::kOpenFolder : tcPresetIcons::kFolder)));
}

void tcPDlgFavFoldersBox::slot_expanded(QTreeWidgetItem* item) {
  set_folder_icon(item);
}

void tcPDlgFavFoldersBox::slot_collapsed(QTreeWidgetItem* item) {
  set_folder_icon(item);
}

QTreeWidgetItem* tcPDlgFavFoldersBox::add_folder(QTreeWidgetItem* parent,
                                                 const tcPresetNode& node) {
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
  item->setText(0, parent ? node.name : QLatin1String(kRootName));
  item->setData(0, kKeyRole, node.path);
  item->setData(0, kPackageRole,
                node.package_root ? kPackageTop
                : node.in_package ? kInPackage
                                  : kNoPackage);
  for (const tcPresetNode& child : node.children) {
    if (child.kind == tcPresetNode::kFolder) add_folder(item, child);
  }
  set_folder_icon(item);
  return item;
}

void tcPDlgFavFoldersBox::populate(const QString& current) {
  const QString keep = current.isEmpty() ? current_key() : current;
  // Folders that were open stay open.
  QStringList open;
  for (QTreeWidgetItemIterator it(this); *it; ++it) {
    if ((*it)->isExpanded()) open << (*it)->data(0, kKeyRole).toString();
  }
  QTreeWidgetItem* root = nullptr;
  {
    // Quiet while rebuilding; the current folder is told once, below.
    const QSignalBlocker quiet(this);
    clear();
    if (!context().options) return;
    const tcPackageRegistry registry(*context().options);
    root = add_folder(nullptr, tcPresetLibrary::load(context().favorites_dir, registry));
    root->setExpanded(true);
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
      if (open.contains((*it)->data(0, kKeyRole).toString())) (*it)->setExpanded(true);
      set_folder_icon(*it);
    }
  }
  QTreeWidgetItem* item = item_of(keep);
  if (!item) item = root;
  for (QTreeWidgetItem* up = item->parent(); up; up = up->parent()) up->setExpanded(true);
  setCurrentItem(item);
}

bool tcPDlgFavFoldersBox::is_root(const QString& folder) const {
  return QDir(folder).absolutePath() == QDir(context().favorites_dir).absolutePath();
}

QString tcPDlgFavFoldersBox::package_of(const QString& folder) const {
  if (!context().options) return QString();
  return tcPresetLibrary::package_of(context().favorites_dir, folder,
                                     tcPackageRegistry(*context().options));
}

int tcPDlgFavFoldersBox::read_presets(const QStringList& keys, tcPresetClips* out) {
  // A folder stands for its presets, in its order.
  QStringList paths;
  for (const QString& folder : keys) {
    for (const QString& name : tcPresetLibrary::folder_presets(folder))
      paths << QDir(folder).absoluteFilePath(name);
  }
  return owner_->files_box()->read_presets(paths, out);
}

void tcPDlgFavFoldersBox::paste_clips(const tcPresetClips& clips, const QString& target) {
  const QString folder = target.isEmpty() ? current_folder() : target;
  if (folder.isEmpty() || clips.empty()) return;
  owner_->paste_into_folder(folder, clips);
}

void tcPDlgFavFoldersBox::slot_save() {
  const QString folder = current_folder();
  if (folder.isEmpty()) return;
  tcPresetSaveDlg dlg(context(), folder, owner_);
  if (dlg.exec() == QDialog::Accepted) owner_->files_box()->populate(folder);
}

int tcPDlgFavFoldersBox::create_folder(const QString& parent, const QString& name) {
  const QString title = QLatin1String(PresetsNewFolderDlg::kTitle);
  // A package keeps the shape it was installed with.
  if (!package_of(parent).isEmpty()) {
    tcPresetUi::warn(owner_, title,
                     QStringLiteral("You can not create folders in a protected folder."));
    return -1;
  }
  if (!QDir(parent).mkdir(name)) {
    tcPresetUi::warn(owner_, title, QStringLiteral("Unable to create new folder"));
    return -1;
  }
  populate(QDir(parent).absoluteFilePath(name));
  return 0;
}

void tcPDlgFavFoldersBox::slot_new_folder() {
  const QString parent = current_folder();
  if (parent.isEmpty()) {
    tcPresetUi::warn(
        owner_, QLatin1String(PresetsNewFolderDlg::kTitle),
        QStringLiteral("Please select a location in the tree to create the new folder."));
    return;
  }
  PresetsNewFolderDlg dlg(owner_);
  if (dlg.exec() == QDialog::Accepted) create_folder(parent, dlg.name());
}

int tcPDlgFavFoldersBox::delete_folder(const QString& folder) {
  const QString title = QStringLiteral("Delete Folder");
  if (folder.isEmpty()) {
    tcPresetUi::warn(owner_, title, QStringLiteral("Please select a folder to delete."));
    return -1;
  }
  if (is_root(folder)) {
    tcPresetUi::warn(owner_, title, QStringLiteral("Cannot delete the root folder."));
    return -1;
  }
  const QString package = package_of(folder);
  const bool package_top = !package.isEmpty() && QFileInfo(folder).fileName() == package &&
                           is_root(QFileInfo(folder).path());
  if (!package.isEmpty() && !package_top) {
    tcPresetUi::warn(owner_, title, QStringLiteral("You must delete the entire package at once."));
    return -1;
  }
  const QDir dir(folder);
  // An index file alone does not make a folder full.
  const QStringList content =
      dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
  const bool empty =
      content.isEmpty() || content == QStringList{QLatin1String(tcPresetIndex::kFileName)};
  if (!package_top && !empty) {
    tcPresetUi::warn(owner_, title, QStringLiteral("Cannot delete the folder, it is not empty."));
    return -1;
  }
  QString question = QStringLiteral("Are you sure you want to delete the selected folder?");
  if (package_top) question += QStringLiteral("\n\nThis is a preset package folder!!!");
  if (!tcPresetUi::ask(owner_, title, question)) return -1;
  if (!QDir(folder).removeRecursively()) {
    tcPresetUi::warn(owner_, title,
                     QStringLiteral("Unable to delete the folder \"%1\".")
                         .arg(QDir::toNativeSeparators(folder)));
    populate(folder);
    return -1;
  }
  if (package_top) {
    QString error;
    tcPackageRegistry registry(*context().options);
    if (registry.remove(package, &error) != 0)
      tcPresetUi::warn(owner_, QLatin1String(tcPresetUi::kErrorTitle), error);
  }
  populate(QFileInfo(folder).path());
  return 0;
}

void tcPDlgFavFoldersBox::slot_delete() {
  delete_folder(current_folder());
}

int tcPDlgFavFoldersBox::rename_folder(const QString& folder, const QString& name) {
  const QString title = QStringLiteral("Rename Folder");
  const QString parent = QFileInfo(folder).path();
  const QString package = package_of(folder);
  const bool package_top = !package.isEmpty() && is_root(parent);
  if (!QDir(parent).rename(QFileInfo(folder).fileName(), name)) {
    tcPresetUi::warn(owner_, title, QStringLiteral("Access error renaming the folder."));
    return -1;
  }
  // A renamed package folder stays a package under its new name.
  if (package_top) {
    QString error;
    tcPackageRegistry registry(*context().options);
    if (registry.remove(package, &error) != 0 || registry.add(name, &error) != 0)
      tcPresetUi::warn(owner_, QLatin1String(tcPresetUi::kErrorTitle), error);
  }
  populate(QDir(parent).absoluteFilePath(name));
  return 0;
}

void tcPDlgFavFoldersBox::slot_rename() {
  const QString title = QStringLiteral("Rename Folder");
  const QString folder = current_folder();
  if (folder.isEmpty()) {
    tcPresetUi::warn(owner_, title, QStringLiteral("Please select a folder to rename."));
    return;
  }
  if (is_root(folder)) {
    tcPresetUi::warn(owner_, title, QStringLiteral("Cannot rename the root folder."));
    return;
  }
  CPresetRenameDlg dlg(QLatin1String(CPresetRenameDlg::kTitleFolder), QFileInfo(folder).fileName(),
                       CPresetRenameDlg::kFolderName, owner_);
  if (dlg.exec() == QDialog::Accepted) rename_folder(folder, dlg.name());
}

int tcPDlgFavFoldersBox::install_package(const QString& package_path) {
  if (!context().options) return -1;
  const int result =
      tcPresetPackageUi::install(owner_, package_path, context().favorites_dir, *context().options);
  populate();
  return result;
}

void tcPDlgFavFoldersBox::slot_install_pkg() {
  const QString path = QFileDialog::getOpenFileName(
      owner_, QStringLiteral("Install Preset Package"), QString(), QLatin1String(kPackageFilter));
  if (!path.isEmpty()) install_package(path);
}

int tcPDlgFavFoldersBox::build_package(const QString& folder, const QString& package_path) {
  return tcPresetPackageUi::build(owner_, folder, package_path);
}

void tcPDlgFavFoldersBox::slot_build_pkg() {
  const QString folder = current_folder();
  if (folder.isEmpty()) return;
  QString path = QFileDialog::getSaveFileName(
      owner_, QStringLiteral("Build Preset Package"),
      QDir(QFileInfo(folder).path())
          .filePath(QFileInfo(folder).fileName() + QStringLiteral(".pkg")),
      QLatin1String(kPackageFilter));
  if (path.isEmpty()) return;
  if (!path.endsWith(QLatin1String(".pkg"), Qt::CaseInsensitive)) path += QLatin1String(".pkg");
  build_package(folder, path);
}
