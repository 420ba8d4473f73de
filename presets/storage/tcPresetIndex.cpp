#include "presets/storage/tcPresetIndex.h"

#include <QDir>
#include <QFile>

#include "app/core/tcAtomicFile.h"

namespace {
// Index files are small; one far bigger than this is not an index.
constexpr qint64 kSizeLimit = 4 << 20;
}  // namespace

QString tcPresetIndex::path() const {
  return QDir(folder_).filePath(QLatin1String(kFileName));
}

QStringList tcPresetIndex::read() const {
  QStringList names;
  QFile file(path());
  if (!file.open(QIODevice::ReadOnly)) return names;
  // Lines end in "\n" here; a package made elsewhere may bring "\r\n".
  for (QByteArray line : file.read(kSizeLimit).split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (!line.isEmpty()) names << QFile::decodeName(line);
  }
  return names;
}

int tcPresetIndex::write(const QStringList& names, QString* reason) const {
  QByteArray bytes;
  for (const QString& name : names) bytes += QFile::encodeName(name) + '\n';
  return tcAtomicFile::write(path(), bytes, reason);
}

int tcPresetIndex::add(const QString& name, QString* reason) const {
  QStringList names = read();
  if (names.contains(name)) return 0;
  names << name;
  return write(names, reason);
}

int tcPresetIndex::remove(const QString& name, QString* reason) const {
  QStringList names = read();
  if (names.removeAll(name) == 0) return 0;
  return write(names, reason);
}

int tcPresetIndex::rename(const QString& from, const QString& to, QString* reason) const {
  QStringList names = read();
  const int at = names.indexOf(from);
  if (at < 0) return 0;
  names[at] = to;
  return write(names, reason);
}

int tcPresetIndex::move(const QString& name, int step, QString* reason) const {
  QStringList names = read();
  const int at = names.indexOf(name);
  const int to = at + step;
  if (at < 0 || to < 0 || to >= names.size()) return 0;
  names.swapItemsAt(at, to);
  return write(names, reason);
}

int tcPresetIndex::move_up(const QString& name, QString* reason) const {
  return move(name, -1, reason);
}

int tcPresetIndex::move_down(const QString& name, QString* reason) const {
  return move(name, 1, reason);
}
