#include "app/core/tcAtomicFile.h"

#include <QDir>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {
// The system's words for the error just met; Qt's own text is often "Unknown
// error" for an unbuffered write that the disk cut short.
QString reason_of(const QFileDevice& file, int error) {
  return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString();
}

int fail(QSaveFile& file, QString* reason) {
  const int error = errno;
  if (reason) *reason = reason_of(file, error);
  file.cancelWriting();
  return -1;
}
}  // namespace

int tcAtomicFile::write(const QString& path, const QByteArray& bytes, QString* reason) {
  QSaveFile file(path);
  errno = 0;
  // Unbuffered: a buffered write that the disk or a size limit cuts short is
  // not reported, and the short file would be committed over the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(file, reason);
  if (file.write(bytes) != bytes.size()) return fail(file, reason);
  errno = 0;
  if (!file.commit()) {
    if (reason) *reason = reason_of(file, errno);
    return -1;
  }
  return 0;
}

QString tcAtomicFile::failure_text(const QString& path, const QString& reason) {
  return QStringLiteral("Unable to write the file \"%1\".\n%2\nThe previous file was kept.")
      .arg(QDir::toNativeSeparators(path), reason);
}
