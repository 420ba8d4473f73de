#pragma once
// Installs preset packages into the favourites directory: each into a new
// folder named after the package file (with " (2)" to " (9)" when the name is
// taken), registered as installed. A package is checked whole before anything
// is written, and a failed install removes its new folder again, so nothing is
// left half-installed or registered.
#include <QString>
#include <vector>

class tcPackageRegistry;

class tcPackageInstaller {
 public:
  enum Result {
    kOk = 0,
    kNotPackage = 1,  // shorter than the header or the wrong first word
    kDamaged = 2,     // an entry is broken or names a place outside the package
    kNoName = 3,      // the name and " (2)" to " (9)" are all taken, or unusable
    kIoError = 4,     // the package could not be read or a file not written
  };
  static constexpr int kMaxCopies = 9;
  static constexpr const char* kPackageFilter = "*.pkg";
  static constexpr const char* kAutoloadFolder = "autoload";

  struct Outcome {
    QString package;  // the package file
    int result = kOk;
    QString folder;   // the new folder's name (the package's installed name)
    QString reason;   // why it failed, naming the damaged entry
    QString warning;  // installed, but the package list could not be saved
  };

  tcPackageInstaller(const QString& favorites_dir, tcPackageRegistry& registry)
      : favorites_(favorites_dir), registry_(registry) {}

  Outcome install(const QString& package_path);
  // The folder name a package file would be installed under; "" when none is free.
  QString choose_name(const QString& package_path) const;

  // Installs every "*.pkg" of the "autoload" folder below `presets_dir`
  // (created when missing), in name order. An installed package file is
  // deleted; one that failed is kept there, so it is not lost. One outcome per
  // package file.
  std::vector<Outcome> autoload(const QString& presets_dir);

 private:
  QString favorites_;
  tcPackageRegistry& registry_;
};
