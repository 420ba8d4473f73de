#include "skin/file/tcSkinUnpacker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "skin/file/tcSkinFile.h"

int tcSkinUnpacker::unpack(const QString& skin_file, const QString& target_dir) {
  error_.clear();
  const QDir dir(target_dir);
  if (target_dir.isEmpty() || !dir.exists()) {
    error_ = "Failed attempting to create temporary skin directory";
    return -1;
  }
  target_ = dir.absolutePath();

  const QFileInfo info(skin_file);
  QFile file(skin_file);
  if (!file.open(QIODevice::ReadOnly)) {
    error_ = QString("Failed attempting to open skin \"%1\":\"%2\"")
                 .arg(info.absolutePath(), info.fileName());
    return -1;
  }
  switch (extract(file.readAll(), dir, info.fileName(), &error_)) {
    case kDone:
      return 0;
    case kShortHeader:
      error_ = QString("Failed attempting to read header of skin \"%1\"").arg(info.fileName());
      break;
    case kBadMagic:
      error_ = QString("Failed attempting to parse header of skin \"%1\"").arg(info.fileName());
      break;
    case kFailed:
      break;
  }
  return -1;
}

void tcSkinUnpacker::clean_up() {
  if (target_.isEmpty()) return;
  QDir dir(target_);
  const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : files) dir.remove(name);
  const QString name = dir.dirName();
  if (dir.cdUp()) dir.rmdir(name);
  target_.clear();
}

QString tcSkinUnpacker::make_temp_dir(const QString& base_dir) {
  QDir base(base_dir);
  base.mkpath("SkinTemp");
  return base.absoluteFilePath("SkinTemp");
}

tcSkinUnpacker::Outcome tcSkinUnpacker::extract(const QByteArray& bytes, const QDir& dir,
                                                const QString& skin_name, QString* error) {
  const tcSkinFile::Decoded decoded = tcSkinFile::decode(bytes);
  if (decoded.verdict == tcSkinFile::kShortHeader) return kShortHeader;
  if (decoded.verdict == tcSkinFile::kBadMagic) return kBadMagic;
  // The codec has already refused every name that could leave dir.
  for (const tcSkinEntry& entry : decoded.entries) {
    const QString name = QFile::decodeName(entry.name);
    QFile out(dir.filePath(name));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(entry.data) != entry.data.size() || !out.flush()) {
      *error =
          QString("Failed attempting to write file \"%1\" of skin \"%2\"").arg(name, skin_name);
      return kFailed;
    }
  }
  if (decoded.verdict == tcSkinFile::kOk) return kDone;
  *error = tcSkinFile::damage_text(decoded, skin_name);
  return kFailed;
}
