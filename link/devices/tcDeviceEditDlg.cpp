#include "link/devices/tcDeviceEditDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "link/devices/tcDeviceEntry.h"

tcDeviceEditDlg::tcDeviceEditDlg(bool edit_mode, const QString& name, const QString& address,
                                 QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Edit Device"));

  name_ = new QLineEdit(name, this);
  name_->setMaxLength(tcDeviceEntry::kNameMax);
  name_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[A-Za-z0-9 _]{1,40}")), name_));
  if (edit_mode) {
    name_->setFrame(false);
    name_->setEnabled(false);
  }

  address_field_ = new QLineEdit(this);
  address_field_->setInputMask(QString::fromLatin1(kAddressMask));
  address_field_->setText(address);

  auto* group = new QGroupBox(QStringLiteral("Device Info: "), this);
  auto* form = new QFormLayout(group);
  form->addRow(QStringLiteral("Name:"), name_);
  form->addRow(QStringLiteral("IP Address:"), address_field_);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  connect(ok_, &QPushButton::clicked, this, &tcDeviceEditDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);

  (edit_mode ? address_field_ : name_)->setFocus();
}

QString tcDeviceEditDlg::name() const {
  return name_->text();
}

void tcDeviceEditDlg::accept() {
  if (name_->text().isEmpty()) return;
  // The mask leaves a blank in every digit place not typed.
  address_ = address_field_->text();
  address_.remove(QLatin1Char(' '));
  address_.remove(QLatin1Char('\t'));
  QDialog::accept();
}
