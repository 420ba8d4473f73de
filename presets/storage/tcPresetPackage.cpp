#include "presets/storage/tcPresetPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/core/tcAtomicFile.h"
#include "params/tcPresetFile.h"

namespace {

int fail(QString* reason, const QString& text) {
  if (reason) *reason = text;
  return -1;
}

bool collect_folder(const QDir& root, const QDir& folder, QVector<tcPresetPackage::Entry>* entries,
                    QString* reason) {
  const QFileInfoList files = folder.entryInfoList(
      QStringList() << tcPresetPackage::kPresetFilter << tcPresetPackage::kIndexName,
      QDir::Files | QDir::Hidden, QDir::Name);
  for (const QFileInfo& info : files) {
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
      fail(reason, QString("cannot read %1").arg(info.filePath()));
      return false;
    }
    tcPresetPackage::Entry entry;
    entry.name = QFile::encodeName(root.relativeFilePath(info.absoluteFilePath()));
    entry.data = file.readAll();
    entries->append(entry);
  }
  const QFileInfoList folders = folder.entryInfoList(
      QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::Name);
  for (const QFileInfo& info : folders) {
    if (!collect_folder(root, QDir(info.filePath()), entries, reason)) return false;
  }
  return true;
}

bool inside(const QString& canonical_root, const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return !canonical.isEmpty() &&
         (canonical == canonical_root || canonical.startsWith(canonical_root + QLatin1Char('/')));
}

// The nearest folder on the way up from path that already exists.
QString existing_ancestor(QString path) {
  while (!QFileInfo::exists(path)) {
    const QString up = QFileInfo(path).path();
    if (up == path) break;
    path = up;
  }
  return path;
}

}  // namespace

int tcPresetPackage::collect(const QString& root, QVector<Entry>* entries, QString* reason) {
  entries->clear();
  const QDir dir(root);
  if (!dir.exists()) return fail(reason, QString("no folder %1").arg(root));
  QVector<Entry> found;
  if (!collect_folder(QDir(dir.absolutePath()), dir, &found, reason)) return -1;
  *entries = found;
  return 0;
}

int tcPresetPackage::build(const QString& package_path, const QString& root, QString* reason) {
  QVector<Entry> entries;
  if (collect(root, &entries, reason) != 0) return -1;
  QByteArray bytes;
  if (tcPresetPackageCodec::encode(entries, &bytes, reason) != tcPresetPackageCodec::kOk) return -1;
  if (tcAtomicFile::write(package_path, bytes) != 0)
    return fail(reason, QString("cannot write %1").arg(package_path));
  return 0;
}

int tcPresetPackage::read(const QString& package_path, QVector<Entry>* entries, QString* reason) {
  entries->clear();
  QFile file(package_path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (reason) *reason = QString("cannot read %1").arg(package_path);
    return kIoError;
  }
  return tcPresetPackageCodec::decode(file.readAll(), entries, reason);
}

int tcPresetPackage::extract(const QVector<Entry>& entries, const QString& folder,
                             QString* reason) {
  const QDir root(folder);
  if (!root.mkpath(".")) return fail(reason, QString("cannot create %1").arg(folder));
  const QString canonical_root = QFileInfo(root.absolutePath()).canonicalFilePath();
  for (const Entry& entry : entries) {
    if (!tcPresetPackageCodec::is_safe_name(entry.name)) {
      return fail(reason, tcPresetPackageCodec::unsafe_name_reason(entry.name));
    }
    const QString target = root.absoluteFilePath(QFile::decodeName(entry.name));
    const QString parent = QFileInfo(target).path();
    // A linked folder or file already below folder could lead a write elsewhere.
    if (!inside(canonical_root, existing_ancestor(parent)) || QFileInfo(target).isSymLink()) {
      return fail(
          reason,
          QString("entry \"%1\" leads outside %2").arg(QString::fromLatin1(entry.name), folder));
    }
    if (!QDir().mkpath(parent) || tcAtomicFile::write(target, entry.data) != 0) {
      return fail(reason, QString("cannot write %1").arg(target));
    }
  }
  return 0;
}
