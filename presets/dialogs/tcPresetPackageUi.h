#pragma once
// Package install and build as the user sees them: the storage steps with
// their messages. The main window's start-up autoload comes through here too.
#include <QString>

class QWidget;
class tcOptions;

class tcPresetPackageUi {
 public:
  static constexpr const char* kNotPackageTitle = "Install Preset";
  static constexpr const char* kNotPackageText = "This is not an QX770HD preset package.";
  static constexpr const char* kInstallFailed = "Unable to install preset package";
  static constexpr const char* kBuildFailed = "Unable to build preset package";

  // Installs one package into the favourites directory. 0, or -1 after
  // telling the user why ("This is not an QX770HD preset package." for a file
  // that is not one, else "Unable to install preset package" with the reason,
  // which names a damaged entry).
  static int install(QWidget* parent, const QString& package_path, const QString& favorites_dir,
                     tcOptions& options);
  // Builds a package of a folder tree. 0, or -1 after "Unable to build preset
  // package" with the reason.
  static int build(QWidget* parent, const QString& root, const QString& package_path);
  // Installs every package of "autoload" below the presets directory, telling
  // the user of each one that failed (it stays in the folder). The number of
  // packages installed; when above 0 the library tree has changed.
  static int autoload(QWidget* parent, const QString& presets_dir, const QString& favorites_dir,
                      tcOptions& options);
};
