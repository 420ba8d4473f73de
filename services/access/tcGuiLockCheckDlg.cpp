#include "services/access/tcGuiLockCheckDlg.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "services/access/tcKeyboardExtension.h"
#include "services/common/tcDialogButtons.h"

tcGuiLockCheckDlg::tcGuiLockCheckDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Restricted Access Code Required"));
  code_ = new QLineEdit(this);
  code_->setEchoMode(QLineEdit::Password);
  keypad_ = new tcKeyboardExtension(this);
  connect(keypad_, &tcKeyboardExtension::sig_keypress, this, &tcGuiLockCheckDlg::slot_keypress);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Access Code:"), code_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(keypad_, 0, Qt::AlignHCenter);
  layout->addLayout(tcDialogButtons::make(this));
  code_->setFocus();
}

QString tcGuiLockCheckDlg::text() const {
  return code_->text();
}

void tcGuiLockCheckDlg::slot_keypress(int key) {
  tcKeyboardExtension::type_into(focusWidget(), key);
}
