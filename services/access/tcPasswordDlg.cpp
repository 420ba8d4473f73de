#include "services/access/tcPasswordDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "services/access/tcKeyboardExtension.h"
#include "services/common/tcDialogButtons.h"

tcPasswordDlg::tcPasswordDlg(Form form, const QString& text, uint32_t bits, QWidget* parent)
    : QDialog(parent) {
  const bool access = form == kAccess;
  setWindowTitle(access ? QStringLiteral("GUI Access Code & Permissions")
                        : QStringLiteral("Device Password"));

  code_ = new QLineEdit(this);
  code_->setInputMask(QString::fromLatin1(kCodeMask));
  code_->setText(text);
  keypad_ = new tcKeyboardExtension(this);
  connect(keypad_, &tcKeyboardExtension::sig_keypress, this, &tcPasswordDlg::slot_keypress);

  group_ = new QGroupBox(QStringLiteral("Locked User Access: "), this);
  auto* boxes = new QVBoxLayout(group_);
  for (int i = 0; i < kRestrictionBoxes; ++i) {
    const tcGuiRestriction::Box& box = tcGuiRestriction::kBoxes[i];
    boxes_[i] = new QCheckBox(QString::fromLatin1(box.text), group_);
    boxes_[i]->setChecked(box.shown && (bits & box.bit));
    boxes_[i]->setVisible(box.shown);
    boxes->addWidget(boxes_[i]);
  }
  group_->setVisible(access);

  auto* fields = new QFormLayout;
  fields->addRow(access ? QStringLiteral("Access Code:") : QStringLiteral("Password:"), code_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(keypad_, 0, Qt::AlignHCenter);
  layout->addWidget(group_);
  layout->addLayout(tcDialogButtons::make(this));
}

void tcPasswordDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Typing replaces the given text. Queued: the dialog's first focus-in puts a
  // masked field's cursor on its first blank.
  code_->setFocus();
  QMetaObject::invokeMethod(code_, &QLineEdit::selectAll, Qt::QueuedConnection);
}

QString tcPasswordDlg::text() const {
  return code_->text();
}

uint32_t tcPasswordDlg::bits() const {
  uint32_t out = 0;
  for (int i = 0; i < kRestrictionBoxes; ++i)
    if (tcGuiRestriction::kBoxes[i].shown && boxes_[i]->isChecked())
      out |= tcGuiRestriction::kBoxes[i].bit;
  return out;
}

void tcPasswordDlg::slot_keypress(int key) {
  tcKeyboardExtension::type_into(focusWidget(), key);
}
