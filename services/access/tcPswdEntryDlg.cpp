#include "services/access/tcPswdEntryDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/core/tcCrc32.h"
#include "app/core/tcOptions.h"

tcPswdEntryDlg::tcPswdEntryDlg(Mode mode, tcOptions& options, QWidget* parent)
    : QDialog(parent), options_(options) {
  switch (mode) {
    case kLogin:
      setWindowTitle(QStringLiteral("Login Password"));
      break;
  }

  password_ = new QLineEdit(this);
  remember_ = new QCheckBox(QStringLiteral("Remember This Password"), this);
  hide_ = new QCheckBox(QStringLiteral("Hide Password"), this);
  // Shown for the processor's two password kinds; the login does not tell them apart.
  auto* both = new QCheckBox(QStringLiteral("Use Password for Processing and Output"), this);
  auto* processing = new QRadioButton(QStringLiteral("Processing Password"), this);
  auto* output = new QRadioButton(QStringLiteral("Output Password"), this);
  processing->setChecked(true);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Password:"), password_);
  auto* kinds = new QHBoxLayout;
  kinds->addWidget(processing);
  kinds->addWidget(output);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(remember_);
  layout->addWidget(hide_);
  layout->addWidget(both);
  layout->addLayout(kinds);
  layout->addWidget(buttons);

  const bool hide = options_.hide_password();
  hide_->setChecked(hide);
  password_->setEchoMode(hide ? QLineEdit::Password : QLineEdit::Normal);
  connect(hide_, &QCheckBox::toggled, this, &tcPswdEntryDlg::slot_hide_toggled);
  password_->setFocus();
}

uint32_t tcPswdEntryDlg::code() const {
  return tcCrc32::of_text(password_->text().toLatin1().constData());
}

bool tcPswdEntryDlg::remember() const {
  return remember_->isChecked();
}

void tcPswdEntryDlg::slot_hide_toggled(bool hide) {
  password_->setEchoMode(hide ? QLineEdit::Password : QLineEdit::Normal);
  options_.set_hide_password(hide);
  if (options_.flush() != 0) {
    QMessageBox::warning(this, QStringLiteral("Error"), options_.write_error());
  }
}
