#include "presets/dialogs/PresetsNewFolderDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "presets/dialogs/tcPresetUi.h"

namespace {
bool folder_character(QChar c) {
  const ushort u = c.unicode();
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == ' ' ||
         u == '#' || u == '_';
}
}  // namespace

PresetsNewFolderDlg::PresetsNewFolderDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QLatin1String(kTitle));
  edit_ = new QLineEdit(this);
  QDialogButtonBox* buttons = tcPresetUi::ok_cancel(this);
  auto* layout = new QFormLayout(this);
  layout->addRow(QStringLiteral("Folder Name:"), edit_);
  layout->addRow(buttons);
}

QString PresetsNewFolderDlg::name() const {
  return edit_->text();
}

bool PresetsNewFolderDlg::check_name(const QString& name, QString* message) {
  message->clear();
  if (name.isEmpty()) return false;
  if (name.startsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char(' '))) {
    *message = QStringLiteral("A folder name cannot start or end with a space.");
    return false;
  }
  for (const QChar c : name) {
    if (!folder_character(c)) {
      *message = QStringLiteral(
          "There are invalid characters in the name.\nUse characters A-Z a-z _ # space");
      return false;
    }
  }
  return true;
}

void PresetsNewFolderDlg::accept() {
  QString message;
  if (!check_name(name(), &message)) {
    if (!message.isEmpty()) tcPresetUi::warn(this, QLatin1String(kTitle), message);
    edit_->setFocus();
    return;
  }
  QDialog::accept();
}
