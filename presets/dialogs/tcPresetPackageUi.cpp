#include "presets/dialogs/tcPresetPackageUi.h"

#include <QDir>
#include <QFileInfo>

#include "app/core/tcOptions.h"
#include "presets/dialogs/tcPresetUi.h"
#include "presets/storage/tcPackageInstaller.h"
#include "presets/storage/tcPackageRegistry.h"
#include "presets/storage/tcPresetPackage.h"

namespace {

// Tells the user of a failed (or half-saved) install; `kept` adds where the
// package file stayed.
int report(QWidget* parent, const tcPackageInstaller::Outcome& outcome, bool kept) {
  const QString error = QLatin1String(tcPresetUi::kErrorTitle);
  if (outcome.result == tcPackageInstaller::kOk) {
    if (!outcome.warning.isEmpty()) tcPresetUi::warn(parent, error, outcome.warning);
    return 0;
  }
  if (outcome.result == tcPackageInstaller::kNotPackage) {
    tcPresetUi::warn(parent, QLatin1String(tcPresetPackageUi::kNotPackageTitle),
                     QLatin1String(tcPresetPackageUi::kNotPackageText));
  }
  QString text = QStringLiteral("%1\n%2").arg(QLatin1String(tcPresetPackageUi::kInstallFailed),
                                              QDir::toNativeSeparators(outcome.package));
  if (!outcome.reason.isEmpty()) text += QStringLiteral(": ") + outcome.reason;
  if (kept) text += QStringLiteral("\nThe package file was kept.");
  tcPresetUi::warn(parent, error, text);
  return -1;
}

}  // namespace

int tcPresetPackageUi::install(QWidget* parent, const QString& package_path,
                               const QString& favorites_dir, tcOptions& options) {
  tcPackageRegistry registry(options);
  return report(parent, tcPackageInstaller(favorites_dir, registry).install(package_path), false);
}

int tcPresetPackageUi::build(QWidget* parent, const QString& root, const QString& package_path) {
  QString reason;
  if (tcPresetPackage::build(package_path, root, &reason) == 0) return 0;
  tcPresetUi::warn(parent, QLatin1String(tcPresetUi::kErrorTitle),
                   QStringLiteral("%1\n%2").arg(QLatin1String(kBuildFailed), reason));
  return -1;
}

int tcPresetPackageUi::autoload(QWidget* parent, const QString& presets_dir,
                                const QString& favorites_dir, tcOptions& options) {
  tcPackageRegistry registry(options);
  int installed = 0;
  for (const tcPackageInstaller::Outcome& outcome :
       tcPackageInstaller(favorites_dir, registry).autoload(presets_dir)) {
    if (report(parent, outcome, true) == 0) ++installed;
  }
  return installed;
}
