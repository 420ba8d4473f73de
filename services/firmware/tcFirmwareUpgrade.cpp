#include "services/firmware/tcFirmwareUpgrade.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "services/firmware/tcFileDownloader.h"
#include "services/firmware/tcFirmwareHeader.h"

namespace {

void refuse(QWidget* parent, const QString& text, const QString& detail = QString()) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
  box.setInformativeText(detail);
  box.exec();
}

}  // namespace

tcFirmwareUpgrade::Result tcFirmwareUpgrade::run(QWidget* parent, tcApIface& link) {
  QFileDialog chooser(parent, QStringLiteral("Choose a file to download"), QString(),
                      QString::fromLatin1(kFileFilter));
  chooser.setFileMode(QFileDialog::ExistingFile);
  chooser.setAcceptMode(QFileDialog::AcceptOpen);
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return kCancelled;
  return run_file(parent, link, chooser.selectedFiles().first());
}

tcFirmwareUpgrade::Result tcFirmwareUpgrade::run_file(QWidget* parent, tcApIface& link,
                                                      const QString& path, int tick_ms) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    refuse(parent, QStringLiteral("File open failed"),
           path + QStringLiteral(": ") + file.errorString());
    return kFailed;
  }
  // Line by line: an image may be large, its header is a few lines.
  tcFirmwareHeader header;
  while (!file.atEnd() && !header.take_line(file.readLine())) {
  }
  file.close();
  if (!header.ended) {
    refuse(parent, QString::fromLatin1(kNotAnImage));
    return kRefused;
  }
  if (!header.signature_ok()) {
    refuse(parent, header.wrong_signature_text());
    return kRefused;
  }
  const auto answer =
      QMessageBox::question(parent, QStringLiteral("Verify Download"), header.verify_text(),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer != QMessageBox::Yes) return kCancelled;

  DownloadConfig config = config_for(parent, link, path);
  config.tick_ms = tick_ms;
  tcFileDownloader downloader(config);
  return downloader.exec() == QDialog::Accepted ? kDone : kFailed;
}

DownloadConfig tcFirmwareUpgrade::config_for(QWidget* parent, tcApIface& link,
                                             const QString& path) {
  DownloadConfig config;
  config.from_file = true;
  config.path = path;
  config.parent = parent;
  config.flash_no_response_text = QString::fromLatin1(kFlashNoResponse);
  config.use_link(link);
  return config;
}
