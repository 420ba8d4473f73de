#include "app/core/tcAtomicFile.h"

#include <QSaveFile>

int tcAtomicFile::write(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // Unbuffered: a buffered write that the disk or a size limit cuts short is
  // not reported, and the short file would be committed over the old one.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return -1;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return -1;
  }
  return file.commit() ? 0 : -1;
}
