#include "presets/dialogs/CPresetsDlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include "link/transport/tcApStores.h"
#include "presets/dialogs/CPresetsViewDlg.h"
#include "presets/dialogs/tcPDlgArcBox.h"
#include "presets/dialogs/tcPDlgFavFilesBox.h"
#include "presets/dialogs/tcPDlgFavFoldersBox.h"
#include "presets/dialogs/tcPresetPrint.h"
#include "presets/dialogs/tcPresetUi.h"
#include "presets/dialogs/tcPresetsDiffDlg.h"
#include "presets/dialogs/tcSgFlagViewDlg.h"
#include "presets/storage/tcPresetIndex.h"
#include "presets/storage/tcPresetLibrary.h"

namespace {

// A box under its caption.
QWidget* captioned(tcPDlgListBox* box, QWidget* parent) {
  auto* holder = new QWidget(parent);
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* caption = new QLabel(box->caption(), holder);
  caption->setWordWrap(true);  // a long caption does not widen its side
  layout->addWidget(caption);
  box->setParent(holder);
  layout->addWidget(box);
  return holder;
}

// Actions that work on one row, and those that work on any selection.
const char* const kOneRow[] = {"Take\tCtrl+T", "Rename...", "Sort Up\tCtrl+U", "Sort Down\tCtrl+D",
                               "Settings..."};
const char* const kAnyRows[] = {
    "Copy\tCtrl+C", "Delete\tDel", "Lock Preset", "Un-Lock Preset", "Factory Lock Preset",
    "Diff...",      "Print...",    "View...",     "Clear..."};

}  // namespace

CPresetsDlg::CPresetsDlg(const tcPresetContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setWindowTitle(QLatin1String(kTitle));
  setModal(true);
  menu_bar_ = new QMenuBar(this);
  arc_ = new tcPDlgArcBox(this);
  folders_ = new tcPDlgFavFoldersBox(this);
  files_ = new tcPDlgFavFilesBox(this);

  auto* library = new QSplitter(Qt::Vertical);
  library->addWidget(captioned(folders_, library));
  library->addWidget(captioned(files_, library));
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(captioned(arc_, splitter));
  splitter->addWidget(library);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({500, 400});

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menu_bar_);
  layout->addWidget(splitter);
  layout->addWidget(buttons);

  for (tcPDlgListBox* box :
       {static_cast<tcPDlgListBox*>(arc_), static_cast<tcPDlgListBox*>(folders_),
        static_cast<tcPDlgListBox*>(files_)})
    connect(box, &tcPDlgListBox::sig_take_my_menu, this, &CPresetsDlg::slot_take_my_menu);
  connect(folders_, &QTreeWidget::currentItemChanged, this,
          &CPresetsDlg::slot_fav_folder_item_changed);
  connect(files_, &QTreeWidget::itemSelectionChanged, this,
          &CPresetsDlg::slot_fav_file_selection_changed);
  connect(arc_, &QTreeWidget::itemSelectionChanged, this,
          &CPresetsDlg::slot_archive_selection_changed);

  folders_->populate();
  files_->populate(folders_->current_folder());
  slot_take_my_menu(arc_->isEnabled() ? static_cast<tcPDlgListBox*>(arc_) : files_);
  update_actions(arc_);
  update_actions(files_);
  resize(900, 600);
}

CPresetsDlg::~CPresetsDlg() = default;

void CPresetsDlg::slot_take_my_menu(tcPDlgListBox* box) {
  if (!box || box == menu_owner_) return;
  menu_owner_ = box;
  menu_bar_->clear();
  for (QMenu* menu : box->menus()) menu_bar_->addMenu(menu);
}

void CPresetsDlg::update_actions(tcPDlgListBox* box) {
  const int selected = box->selected_keys().size();
  for (const char* text : kOneRow) {
    if (QAction* a = box->action(QLatin1String(text))) a->setEnabled(selected >= 1);
  }
  for (const char* text : kAnyRows) {
    if (QAction* a = box->action(QLatin1String(text))) a->setEnabled(selected >= 1);
  }
}

void CPresetsDlg::slot_fav_folder_item_changed(QTreeWidgetItem* current, QTreeWidgetItem*) {
  files_->populate(current ? current->data(0, tcPDlgListBox::kKeyRole).toString() : QString());
  update_actions(files_);
}

void CPresetsDlg::slot_fav_file_selection_changed() {
  update_actions(files_);
}

void CPresetsDlg::slot_archive_selection_changed() {
  update_actions(arc_);
}

void CPresetsDlg::slot_ptree_change() {
  const QStringList selected = files_->selected_keys();
  folders_->populate();
  QStringList names;
  for (const QString& path : selected) names << QFileInfo(path).fileName();
  files_->populate(folders_->current_folder(), names);
}

void CPresetsDlg::slot_populate_arc_list() {
  arc_->populate();
  update_actions(arc_);
}

void CPresetsDlg::copy_from(tcPDlgListBox* box) {
  tcPresetClips clips;
  if (box->read_presets(box->selected_keys(), &clips) == 0) clipboard_ = std::move(clips);
}

void CPresetsDlg::remember_drag(tcPDlgListBox* source, const QStringList& keys) {
  drag_source_ = source;
  drag_keys_ = keys;
}

void CPresetsDlg::drop_later(tcPDlgListBox* target, const QString& target_key) {
  QPointer<tcPDlgListBox> to(target);
  QTimer::singleShot(0, this, [this, to, target_key] {
    if (to) drop_into(to, target_key);
  });
}

void CPresetsDlg::drop_into(tcPDlgListBox* target, const QString& target_key) {
  tcPDlgListBox* source = drag_source_;
  const QStringList keys = drag_keys_;
  drag_source_ = nullptr;
  drag_keys_.clear();
  if (!source || keys.isEmpty()) return;
  tcPresetClips clips;
  if (source->read_presets(keys, &clips) == 0) target->paste_clips(clips, target_key);
}

QStringList CPresetsDlg::paste_into_folder(const QString& folder, const tcPresetClips& clips) {
  QStringList written;
  if (!folders_->package_of(folder).isEmpty()) {
    tcPresetUi::warn(this, QStringLiteral("Copy Files"), QLatin1String(kProtectedText));
    return written;
  }
  const tcPresetIndex index(folder);
  for (const tcPresetClip& clip : clips) {
    const bool file = !clip.file_bytes.isEmpty();
    const QString name = tcPresetLibrary::free_file_name(
        folder, file ? QFileInfo(clip.file_name).completeBaseName() : clip.name());
    if (name.isEmpty()) break;
    const QString path = QDir(folder).filePath(name);
    const int result = file ? tcPresetUi::write_bytes(this, path, clip.file_bytes)
                            : tcPresetUi::write_preset(this, path, clip.header, *clip.set);
    if (result != 0) break;
    written << name;
    QString reason;
    if (tcPresetUi::index_result(this, folder, index.add(name, &reason), reason) != 0) break;
  }
  if (QDir(folder).absolutePath() == QDir(files_->folder()).absolutePath())
    files_->populate(files_->folder(), written);
  return written;
}

tcPresetClip CPresetsDlg::live_clip() const {
  tcPresetClip clip;
  tcApStores& stores = *context_.stores;
  stores.banks().get_header(stores.banks().current_slot(), &clip.header);
  if (const SETTINGS* live = stores.banks().current()) tcSettings::copy(live, clip.set.get(), 0);
  return clip;
}

void CPresetsDlg::view_from(tcPDlgListBox* box) {
  const QString key = box->current_key();
  tcPresetClips clips;
  if (key.isEmpty() || box->read_presets({key}, &clips) != 0 || clips.empty()) return;
  CPresetsViewDlg dlg(clips[0].header, *clips[0].set, context_.guru(), this);
  dlg.exec();
}

void CPresetsDlg::diff_from(tcPDlgListBox* box) {
  QStringList keys = box->selected_keys();
  if (keys.isEmpty()) return;
  // Two rows against each other, or one against the live preset.
  if (keys.size() > 2) keys = keys.mid(0, 2);
  tcPresetClips clips;
  if (box->read_presets(keys, &clips) != 0 || clips.empty()) return;
  if (clips.size() == 1) clips.push_back(live_clip());
  tcPresetsDiffDlg dlg(clips[0].header, *clips[0].set, clips[1].header, *clips[1].set,
                       context_.guru(), this);
  dlg.exec();
}

void CPresetsDlg::print_from(tcPDlgListBox* box) {
  tcPresetClips clips;
  if (box->read_presets(box->selected_keys(), &clips) != 0 || clips.empty()) return;
  QVector<tcPrintSection> sections;
  for (const tcPresetClip& clip : clips)
    sections << tcPresetPrint::preset(clip.header, *clip.set, context_.stores->globals(),
                                      context_.guru());
  tcPresetPrint::print(this, sections);
}

void CPresetsDlg::show_sg_flags(const QVector<QPair<QString, QString>>& rows) {
  if (rows.isEmpty()) return;
  tcSgFlagViewDlg dlg(rows, this);
  dlg.exec();
}
