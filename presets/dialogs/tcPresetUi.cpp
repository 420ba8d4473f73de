#include "presets/dialogs/tcPresetUi.h"

#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

#include "app/core/tcAtomicFile.h"
#include "params/tcPresetFile.h"
#include "params/tcPresetFileTexts.h"
#include "presets/storage/tcPresetIndex.h"

void tcPresetUi::warn(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::warning(parent, title, text);
}

void tcPresetUi::inform(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox::information(parent, title, text);
}

bool tcPresetUi::ask(QWidget* parent, const QString& title, const QString& text) {
  return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

void tcPresetUi::write_failed(QWidget* parent, const QString& path, const QString& reason) {
  QMessageBox::warning(parent, QLatin1String(kErrorTitle),
                       tcAtomicFile::failure_text(path, reason));
}

void tcPresetUi::load_failed(QWidget* parent, const char* format, int code) {
  warn(parent, QLatin1String(kErrorTitle),
       tcPresetFileTexts::load_error_text(format, code).toQString());
}

QDialogButtonBox* tcPresetUi::ok_cancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(dialog);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

int tcPresetUi::write_preset(QWidget* parent, const QString& path, const tcPresetHeader& header,
                             const tcSettings& set) {
  const auto now = static_cast<uint32_t>(QDateTime::currentSecsSinceEpoch() & 0xFFFFFFFF);
  return write_bytes(parent, path, tcPresetFile::encode(header, set, now));
}

int tcPresetUi::write_bytes(QWidget* parent, const QString& path, const QByteArray& bytes) {
  QString reason;
  if (tcAtomicFile::write(path, bytes, &reason) == 0) return 0;
  write_failed(parent, path, reason);
  return -1;
}

int tcPresetUi::index_result(QWidget* parent, const QString& folder, int result,
                             const QString& reason) {
  if (result != 0) write_failed(parent, tcPresetIndex(folder).path(), reason);
  return result;
}
