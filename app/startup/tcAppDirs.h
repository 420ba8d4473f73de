#pragma once
// Where the console keeps its files: the application (working) directory, the
// data directory under the user's documents folder and the folders below them.
#include <QString>
#include <QStringList>

class tcAppDirs {
 public:
  static constexpr const char* kDefaultDataFolder = "QX770HD";
  static constexpr const char* kMakerFolder = "Morvallion";
  static constexpr const char* kLegacyOptionsFile = "TK3QT.ini";

  // The folder name given by the last "-data <name>" pair; a "-data" without a
  // following argument is ignored. `args` is the whole command line.
  static QString data_folder_from_args(const QStringList& args,
                                       const QString& def = kDefaultDataFolder);
  // The user's documents folder ("" when the platform knows none).
  static QString documents_location();

  // Creates (when missing) and records every directory: data = documents /
  // "Morvallion" / data_folder; maps, presets and presets/favorites below it;
  // fp_skins below the application directory. A folder that cannot be created
  // leaves the path at its parent. Logs "APP  DIR" and "DATA DIR" lines.
  void setup(const QString& app_dir, const QString& documents_dir, const QString& data_folder);

  // Renames "TK3QT.ini" in the application directory to "qx770xpro.ini" there.
  // Returns 0 when moved, -1 when there was none or it could not be moved.
  int move_legacy_options() const;

  const QString& app_dir() const { return app_; }
  const QString& data_dir() const { return data_; }
  const QString& maps_dir() const { return maps_; }
  const QString& presets_dir() const { return presets_; }
  const QString& favorites_dir() const { return favorites_; }
  const QString& skins_dir() const { return skins_; }
  // Absolute path of a file in the data directory.
  QString data_file(const char* name) const;

 private:
  QString app_, data_, maps_, presets_, favorites_, skins_;
};
