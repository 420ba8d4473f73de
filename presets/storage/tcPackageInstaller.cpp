#include "presets/storage/tcPackageInstaller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "presets/storage/tcPackageRegistry.h"
#include "presets/storage/tcPresetPackage.h"

namespace {

tcPackageInstaller::Outcome failed(tcPackageInstaller::Outcome outcome, int result,
                                   const QString& reason) {
  outcome.result = result;
  outcome.reason = reason;
  return outcome;
}

// The package's name as one folder below the favourites directory.
bool usable_name(const QString& name) {
  return tcPackageRegistry::valid_name(name) && name != QLatin1String(".") &&
         name != QLatin1String("..") && !name.contains(QLatin1Char('/')) &&
         !name.contains(QLatin1Char('\\'));
}

}  // namespace

QString tcPackageInstaller::choose_name(const QString& package_path) const {
  const QString base = QFileInfo(package_path).completeBaseName();
  if (!usable_name(base)) return QString();
  const QDir favorites(favorites_);
  for (int n = 1; n <= kMaxCopies; ++n) {
    const QString name = n == 1 ? base : QStringLiteral("%1 (%2)").arg(base).arg(n);
    // Whatever lies there (folder, file or link) takes the name.
    const QFileInfo there(favorites.filePath(name));
    if (!registry_.is_installed(name) && !there.exists() && !there.isSymLink()) return name;
  }
  return QString();
}

tcPackageInstaller::Outcome tcPackageInstaller::install(const QString& package_path) {
  Outcome outcome;
  outcome.package = package_path;
  QVector<tcPresetPackage::Entry> entries;
  QString reason;
  switch (tcPresetPackage::read(package_path, &entries, &reason)) {
    case tcPresetPackageCodec::kOk:
      break;
    case tcPresetPackageCodec::kNotPackage:
      return failed(outcome, kNotPackage, reason);
    case tcPresetPackageCodec::kBroken:
      return failed(outcome, kDamaged, reason);
    default:
      return failed(outcome, kIoError, reason);
  }
  outcome.folder = choose_name(package_path);
  if (outcome.folder.isEmpty()) {
    return failed(
        outcome, kNoName,
        QStringLiteral("no free folder name for \"%1\" in %2")
            .arg(QFileInfo(package_path).completeBaseName(), QDir::toNativeSeparators(favorites_)));
  }
  QDir favorites(favorites_);
  // mkdir, not mkpath: the folder must be a new one, which a failure may remove.
  if (!favorites.mkdir(outcome.folder)) {
    return failed(outcome, kIoError,
                  QStringLiteral("cannot create %1")
                      .arg(QDir::toNativeSeparators(favorites.filePath(outcome.folder))));
  }
  const QString folder = favorites.filePath(outcome.folder);
  if (tcPresetPackage::extract(entries, folder, &reason) != 0) {
    QDir(folder).removeRecursively();
    return failed(outcome, kIoError, reason);
  }
  if (registry_.add(outcome.folder, &outcome.warning) != 0 && outcome.warning.isEmpty())
    outcome.warning = QStringLiteral("the list of installed packages could not be saved");
  return outcome;
}

std::vector<tcPackageInstaller::Outcome> tcPackageInstaller::autoload(const QString& presets_dir) {
  std::vector<Outcome> outcomes;
  QDir autoload(presets_dir);
  if (!autoload.mkpath(QLatin1String(kAutoloadFolder)) ||
      !autoload.cd(QLatin1String(kAutoloadFolder)))
    return outcomes;
  const QFileInfoList packages = autoload.entryInfoList(
      QStringList() << QLatin1String(kPackageFilter), QDir::Files, QDir::Name);
  for (const QFileInfo& info : packages) {
    Outcome outcome = install(info.absoluteFilePath());
    if (outcome.result == kOk) QFile::remove(info.absoluteFilePath());
    outcomes.push_back(outcome);
  }
  return outcomes;
}
