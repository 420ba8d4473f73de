#pragma once
// Preset packages on disk: building one from a folder tree of preset and index
// files, reading one, and writing its entries out below a folder.
#include <QString>
#include <QVector>

#include "presets/storage/tcPresetIndex.h"
#include "presets/storage/tcPresetPackageCodec.h"

class tcPresetPackage {
 public:
  using Entry = tcPresetPackageCodec::Entry;
  // Results beyond those of tcPresetPackageCodec.
  enum Result { kIoError = 3 };

  static constexpr const char* kPresetFilter = "*.qx770x";
  static constexpr const char* kIndexName = tcPresetIndex::kFileName;

  // The preset files and index files below root, each folder's files (by name)
  // before its sub-folders (by name); linked folders are not followed.
  static int collect(const QString& root, QVector<Entry>* entries, QString* reason = nullptr);
  // 0 on success, -1 on failure; a failed build leaves any old package file as it was.
  static int build(const QString& package_path, const QString& root, QString* reason = nullptr);
  // A tcPresetPackageCodec result, or kIoError when the file cannot be read.
  static int read(const QString& package_path, QVector<Entry>* entries, QString* reason = nullptr);
  // Writes every entry below folder (created when missing). Refuses, before
  // writing it, an entry that would land outside folder through a linked folder
  // or file already there. 0 on success, -1 on failure.
  static int extract(const QVector<Entry>& entries, const QString& folder,
                     QString* reason = nullptr);
};
