#include "app/startup/tcAppDirs.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtDebug>

#include "app/core/tcOptions.h"

namespace {

// Creates `name` below `dir` when missing and enters it; stays put when that fails.
QString enter(const QString& dir, const QString& name) {
  QDir d(dir);
  d.mkpath(name);
  d.cd(name);
  return d.absolutePath();
}

}  // namespace

QString tcAppDirs::data_folder_from_args(const QStringList& args, const QString& def) {
  QString folder = def;
  for (int i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == QLatin1String("-data")) folder = args[++i];
  }
  return folder;
}

QString tcAppDirs::documents_location() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void tcAppDirs::setup(const QString& app_dir, const QString& documents_dir,
                      const QString& data_folder) {
  app_ = QDir(app_dir).absolutePath();
  qDebug("APP  DIR: %s", qUtf8Printable(QDir::toNativeSeparators(app_)));

  const QString base = documents_dir.isEmpty() ? app_ : QDir(documents_dir).absolutePath();
  data_ = enter(enter(base, kMakerFolder), data_folder);
  qDebug("DATA DIR: %s", qUtf8Printable(QDir::toNativeSeparators(data_)));

  maps_ = enter(data_, "maps");
  presets_ = enter(data_, "presets");
  favorites_ = enter(presets_, "favorites");
  skins_ = enter(app_, "fp_skins");
}

int tcAppDirs::move_legacy_options() const {
  const QDir app(app_);
  if (!app.exists(kLegacyOptionsFile)) return -1;
  return QFile::rename(app.filePath(kLegacyOptionsFile), app.filePath(tcOptions::kFileName)) ? 0
                                                                                             : -1;
}

QString tcAppDirs::data_file(const char* name) const {
  return QDir(data_).filePath(name);
}
