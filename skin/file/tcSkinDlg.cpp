#include "skin/file/tcSkinDlg.h"

#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "skin/file/tcSkinPacker.h"
#include "skin/file/tcSkinUnpacker.h"

namespace {
const char kSuffix[] = ".skin";
}

tcSkinDlg::tcSkinDlg(const QString& skins_dir, bool offer_packing, QWidget* parent)
    : QDialog(parent), skins_dir_(skins_dir) {
  setWindowTitle("Choose Skin");
  list_ = new QListWidget(this);
  auto* ok = new QPushButton("Ok", this);
  auto* cancel = new QPushButton("Cancel", this);
  auto* folders = new QPushButton("Show Folders", this);
  auto* files = new QPushButton("Show Files", this);
  unpack_ = new QPushButton("Un-Pack", this);
  pack_ = new QPushButton("Pack", this);
  ok->setDefault(true);
  unpack_->setVisible(offer_packing);
  pack_->setVisible(offer_packing);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {ok, cancel, folders, files, unpack_, pack_}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(folders, &QPushButton::clicked, this, &tcSkinDlg::slot_show_folders);
  connect(files, &QPushButton::clicked, this, &tcSkinDlg::slot_show_files);
  connect(unpack_, &QPushButton::clicked, this, &tcSkinDlg::slot_unpack);
  connect(pack_, &QPushButton::clicked, this, &tcSkinDlg::slot_pack);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  show_view(false);
}

void tcSkinDlg::select(const QString& name, bool packed) {
  show_view(packed);
  QString bare = name;
  if (packed && bare.endsWith(kSuffix, Qt::CaseInsensitive)) bare.chop(int(sizeof kSuffix) - 1);
  const QList<QListWidgetItem*> found = list_->findItems(bare, Qt::MatchExactly);
  if (!found.isEmpty()) list_->setCurrentItem(found.first());
}

QString tcSkinDlg::chosen_name() const {
  const QListWidgetItem* item = list_->currentItem();
  return item ? item->data(Qt::UserRole).toString() : QString();
}

QString tcSkinDlg::selected() const {
  const QListWidgetItem* item = list_->currentItem();
  return item ? item->text() : QString();
}

void tcSkinDlg::show_view(bool files) {
  files_view_ = files;
  list_->clear();
  const QDir dir(skins_dir_);
  const QFileInfoList found =
      files
          ? dir.entryInfoList({QString("*") + kSuffix}, QDir::Files, QDir::Name | QDir::IgnoreCase)
          : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& info : found) {
    // The file is shown without its extension but kept by its name on disk,
    // whose extension may be in any case.
    auto* item = new QListWidgetItem(files ? info.completeBaseName() : info.fileName(), list_);
    item->setData(Qt::UserRole, info.fileName());
  }
  if (list_->count() > 0) list_->setCurrentRow(0);
  unpack_->setEnabled(files);
  pack_->setEnabled(!files);
}

bool tcSkinDlg::confirm_overwrite(const QString& title, const QString& target, const char* kind) {
  const QString question =
      QString("Are you sure\nYou will overwrite your existing \"%1\" %2.").arg(target, kind);
  return QMessageBox::question(this, title, question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void tcSkinDlg::slot_unpack() {
  const QString name = selected();
  if (!files_view_ || name.isEmpty()) return;
  if (!confirm_overwrite("UnPack Skin", name, "folder")) return;
  const QDir dir(skins_dir_);
  dir.mkpath(name);
  tcSkinUnpacker unpacker;
  if (unpacker.unpack(dir.filePath(chosen_name()), dir.filePath(name)) != 0)
    QMessageBox::critical(this, "ERROR", unpacker.error_text());
  else
    QMessageBox::information(this, "Okay", QString("Skin \"%1\" unpacked.").arg(name));
}

void tcSkinDlg::slot_pack() {
  const QString name = selected();
  if (files_view_ || name.isEmpty()) return;
  const QString file = name + kSuffix;
  if (!confirm_overwrite("Pack Skin", file, "file")) return;
  const QDir dir(skins_dir_);
  if (tcSkinPacker::pack(dir.filePath(name), dir.filePath(file)) != 0)
    QMessageBox::critical(
        this, "Error",
        QString("Failed packing skin \"%1\" (see \"tessellor_results.txt\").").arg(file));
  else
    QMessageBox::information(this, "Okay", QString("Skin \"%1\" packed.").arg(file));
}
