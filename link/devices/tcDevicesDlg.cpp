#include "link/devices/tcDevicesDlg.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/devices/tcDeviceEditDlg.h"
#include "link/devices/tcDeviceList.h"

tcDevicesDlg::tcDevicesDlg(tcDeviceList& devices, QWidget* parent)
    : QDialog(parent), devices_(devices) {
  setWindowTitle(QStringLiteral("Devices"));

  list_ = new QListWidget(this);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  add_ = new QPushButton(QStringLiteral("Add..."), this);
  edit_ = new QPushButton(QStringLiteral("Edit..."), this);
  delete_ = new QPushButton(QStringLiteral("Delete"), this);
  select_ = new QPushButton(QStringLiteral("Select"), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  select_->setDefault(true);

  connect(add_, &QPushButton::clicked, this, &tcDevicesDlg::slot_add);
  connect(edit_, &QPushButton::clicked, this, &tcDevicesDlg::slot_edit);
  connect(delete_, &QPushButton::clicked, this, &tcDevicesDlg::slot_delete);
  connect(select_, &QPushButton::clicked, this, &tcDevicesDlg::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QListWidget::itemSelectionChanged, this, &tcDevicesDlg::slot_selection_changed);
  connect(list_, &QListWidget::itemDoubleClicked, select_, &QPushButton::click);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {add_, edit_, delete_, select_, close}) buttons->addWidget(button);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);

  refresh(devices_.current_index());
}

void tcDevicesDlg::refresh(int row) {
  list_->clear();
  for (int i = 0; i < devices_.count(); ++i) {
    list_->addItem(QString::fromLatin1(devices_.name_at(i)));
  }
  if (row >= 0 && row < list_->count()) list_->setCurrentRow(row);
  slot_selection_changed();
}

int tcDevicesDlg::selected() const {
  const QList<QListWidgetItem*> items = list_->selectedItems();
  return items.isEmpty() ? -1 : list_->row(items.first());
}

int tcDevicesDlg::choosable_row() const {
  const int row = selected();
  return row >= 0 && row != devices_.current_index() ? row : -1;
}

void tcDevicesDlg::slot_selection_changed() {
  const bool choosable = choosable_row() >= 0;
  delete_->setEnabled(choosable);
  select_->setEnabled(choosable);
  edit_->setEnabled(selected() >= 0);
}

void tcDevicesDlg::accept() {
  if (choosable_row() >= 0) QDialog::accept();
}

void tcDevicesDlg::slot_add() {
  tcDeviceEditDlg dlg(false, QString(), QString::fromLatin1(kAddAddress), this);
  if (dlg.exec() != QDialog::Accepted) return;
  const QByteArray name = dlg.name().toLatin1();
  const QByteArray address = dlg.address().toLatin1();
  QString write_error;
  if (!devices_.add(name.constData(), address.constData(), &write_error)) {
    if (!write_error.isEmpty()) {
      QMessageBox::warning(this, QStringLiteral("Error"), write_error);
    } else {
      QMessageBox::warning(this, QStringLiteral("Add Device"),
                           QStringLiteral("A device with this name already exists."));
    }
    return;
  }
  refresh(devices_.count() - 1);
}

void tcDevicesDlg::slot_edit() {
  const int row = selected();
  tcDeviceEntry* entry = devices_.at(row);
  if (!entry) return;
  tcDeviceEditDlg dlg(true, entry->name().toQString(), entry->address().toQString(), this);
  if (dlg.exec() != QDialog::Accepted) return;
  const QByteArray address = dlg.address().toLatin1();
  if (devices_.set_address(*entry, address.constData()) != 0) {
    QMessageBox::warning(this, QStringLiteral("Error"), entry->write_error());
  }
  if (row == devices_.current_index()) address_changed_ = true;
}

void tcDevicesDlg::slot_delete() {
  const int row = choosable_row();
  tcDeviceEntry* entry = devices_.at(row);
  if (!entry) return;
  const QString question = QStringLiteral("Are you sure you want to delete the \"") +
                           entry->name().toQString() + QStringLiteral("\" ?");
  if (QMessageBox::question(this, QStringLiteral("Delete Device"), question,
                            QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  devices_.remove(entry);
  refresh(row);
}
