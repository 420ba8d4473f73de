#include "services/access/tcPswdEntryDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/core/tcCrc32.h"
#include "app/core/tcOptions.h"
#include "services/access/tcKeyboardExtension.h"
#include "services/common/tcDialogButtons.h"

namespace {
constexpr const char* kKeypadButton = "keypad";
}  // namespace

tcPswdEntryDlg::tcPswdEntryDlg(Mode mode, tcOptions& options, QWidget* parent,
                               uint32_t current_code)
    : QDialog(parent), mode_(mode), options_(options), current_code_(current_code) {
  setWindowTitle(mode == kLogin ? QStringLiteral("Login Password")
                                : QStringLiteral("Password Update"));

  keypad_ = new tcKeyboardExtension(this);
  keypad_->hide();
  connect(keypad_, &tcKeyboardExtension::sig_keypress, this, &tcPswdEntryDlg::slot_keypress);

  auto* form = new QFormLayout;
  password_ = add_field(form, "Password:");
  if (mode == kChange) {
    new_ = add_field(form, "New Password:");
    verify_ = add_field(form, "Verify:");
  }
  remember_ = new QCheckBox(QStringLiteral("Remember This Password"), this);
  hide_ = new QCheckBox(QStringLiteral("Hide Password"), this);
  // Shown for the processor's two password kinds; the processor takes one code.
  auto* both = new QCheckBox(QStringLiteral("Use Password for Processing and Output"), this);
  auto* processing = new QRadioButton(QStringLiteral("Processing Password"), this);
  auto* output = new QRadioButton(QStringLiteral("Output Password"), this);
  processing->setChecked(true);
  auto* kinds = new QHBoxLayout;
  kinds->addWidget(processing);
  kinds->addWidget(output);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(keypad_, 0, Qt::AlignHCenter);
  layout->addWidget(remember_);
  layout->addWidget(hide_);
  layout->addWidget(both);
  layout->addLayout(kinds);
  layout->addLayout(tcDialogButtons::make(this));

  const bool hide = options_.hide_password();
  hide_->setChecked(hide);
  apply_echo(hide);
  connect(hide_, &QCheckBox::toggled, this, &tcPswdEntryDlg::slot_hide_toggled);
  password_->setFocus();
}

QLineEdit* tcPswdEntryDlg::add_field(QFormLayout* form, const char* label) {
  auto* field = new QLineEdit(this);
  auto* keys = new QPushButton(QStringLiteral("..."), this);
  keys->setObjectName(QString::fromLatin1(kKeypadButton));
  keys->setAutoDefault(false);
  keys->setFixedWidth(32);
  connect(keys, &QPushButton::clicked, this, [this, field] {
    keypad_->show();
    field->setFocus();
  });
  auto* row = new QHBoxLayout;
  row->addWidget(field);
  row->addWidget(keys);
  form->addRow(QString::fromLatin1(label), row);
  field->setProperty(kKeypadButton, QVariant::fromValue(static_cast<QObject*>(keys)));
  return field;
}

QPushButton* tcPswdEntryDlg::keypad_button(QLineEdit* field) const {
  return field ? qobject_cast<QPushButton*>(field->property(kKeypadButton).value<QObject*>())
               : nullptr;
}

void tcPswdEntryDlg::slot_keypress(int key) {
  tcKeyboardExtension::type_into(focusWidget(), key);
}

uint32_t tcPswdEntryDlg::code_of(const QLineEdit* field) {
  return tcCrc32::of_text(field->text().toLatin1().constData());
}

uint32_t tcPswdEntryDlg::code() const {
  return code_of(mode_ == kChange ? new_ : password_);
}

bool tcPswdEntryDlg::remember() const {
  return remember_->isChecked();
}

void tcPswdEntryDlg::apply_echo(bool hide) {
  for (QLineEdit* field : {password_, new_, verify_})
    if (field) field->setEchoMode(hide ? QLineEdit::Password : QLineEdit::Normal);
}

void tcPswdEntryDlg::slot_hide_toggled(bool hide) {
  apply_echo(hide);
  options_.set_hide_password(hide);
  if (options_.flush() != 0)
    QMessageBox::warning(this, QStringLiteral("Error"), options_.write_error());
}

void tcPswdEntryDlg::accept() {
  if (mode_ == kChange) {
    if (code_of(password_) != current_code_) {
      QMessageBox::information(this, QString::fromLatin1(kWrongTitle),
                               QString::fromLatin1(kWrongCurrent));
      password_->clear();
      password_->setFocus();
      return;
    }
    if (new_->text() != verify_->text()) {
      QMessageBox::information(this, QString::fromLatin1(kWrongTitle),
                               QString::fromLatin1(kNoMatch));
      new_->clear();
      verify_->clear();
      new_->setFocus();
      return;
    }
  }
  QDialog::accept();
}
