#pragma once
// Replaces a file whole or not at all: the bytes go to a temporary file beside
// it, which is renamed over the old one only when every byte was written.
#include <QByteArray>
#include <QString>

class tcAtomicFile {
 public:
  // 0, or -1 when anything failed (the old file then stays as it was); `reason`
  // then receives the system's words for it.
  static int write(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

  // What the user is told about a failed write.
  static QString failure_text(const QString& path, const QString& reason);
};
