#include "presets/dialogs/CPresetRenameDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "params/tcPresetFileTexts.h"
#include "presets/dialogs/PresetsNewFolderDlg.h"
#include "presets/dialogs/tcPresetUi.h"

CPresetRenameDlg::CPresetRenameDlg(const QString& title, const QString& name, Rule rule,
                                   QWidget* parent)
    : QDialog(parent), rule_(rule) {
  setWindowTitle(title);
  edit_ = new QLineEdit(name, this);
  edit_->setMaxLength(tcPresetFileTexts::kNameMax);
  edit_->selectAll();
  QDialogButtonBox* buttons = tcPresetUi::ok_cancel(this);
  auto* layout = new QFormLayout(this);
  layout->addRow(QStringLiteral("Name:"), edit_);
  layout->addRow(buttons);
}

QString CPresetRenameDlg::name() const {
  return edit_->text();
}

void CPresetRenameDlg::accept() {
  if (rule_ == kFolderName) {
    QString message;
    if (!PresetsNewFolderDlg::check_name(name(), &message)) {
      if (!message.isEmpty()) tcPresetUi::warn(this, windowTitle(), message);
      edit_->setFocus();
      return;
    }
  } else {
    tcString verdict;
    const QByteArray text = name().toLatin1();
    if (!tcPresetFileTexts::check_name(text.constData(), &verdict)) {
      tcPresetUi::warn(this, QStringLiteral("Rename"),
                       QStringLiteral("Illegal name\n") + verdict.toQString());
      edit_->setFocus();
      return;
    }
  }
  QDialog::accept();
}
