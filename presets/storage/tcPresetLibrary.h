#pragma once
// The preset library on disk: a folder tree of preset files below a root (the
// favourites directory), each folder ordered by its index file. Loading a
// folder brings its index up to date with the preset files in it, so every
// folder converges to an index that lists all its presets.
#include <QString>
#include <QStringList>
#include <vector>

class tcPackageRegistry;

// One folder or preset file of the library.
struct tcPresetNode {
  enum Kind { kFolder, kPreset };
  Kind kind = kFolder;
  QString name;  // folder name, or the preset's file name
  QString path;  // absolute
  // Folders: inside an installed package; package_root: the package's own folder.
  bool in_package = false;
  bool package_root = false;
  std::vector<tcPresetNode> children;  // sub-folders first, then presets in index order
};

class tcPresetLibrary {
 public:
  // Loads the tree below `root` (the root node is the root folder itself).
  // Linked folders are not followed.
  static tcPresetNode load(const QString& root, const tcPackageRegistry& registry);

  // The preset file names of one folder in display order: the indexed files
  // that exist, then the files the index lacks, which are appended to it (the
  // index is written back when anything was appended; a failed write is not an
  // error, the order then follows the files).
  static QStringList folder_presets(const QString& folder);

  // The package `folder` lies in below `root` ("" when none): its top-level
  // folder's name when that name is installed.
  static QString package_of(const QString& root, const QString& folder,
                            const tcPackageRegistry& registry);

  // A file name for a preset named `name` in `folder` that is not taken yet:
  // the name with ".qx770x", else with " (2)" up to " (99)" before the suffix.
  // Characters a file name cannot hold become "_". "" when all are taken.
  static QString free_file_name(const QString& folder, const QString& name);

 private:
  static void load_folder(const QString& root, tcPresetNode& node,
                          const tcPackageRegistry& registry);
};
