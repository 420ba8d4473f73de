#pragma once
// Preset files: reading the three forms into a preset header and a parameter set,
// writing the current form. The byte work is tcPresetFileCodec's; this adds the
// files, the parameter table and the sets.
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "params/tcPresetFileCodec.h"
#include "params/tcPresetHeader.h"
#include "params/tcSettings.h"

class tcPresetFile {
 public:
  static constexpr const char* kSuffix = ".qx770x";
  static constexpr const char* kFilter = "*.qx770x";
  // No preset comes near this; a bigger file is not one of ours.
  static constexpr qint64 kSizeLimit = 1 << 20;
  // Result of load_checked() beyond those of tcPresetFileCodec.
  enum Result { kUnreadable = 3 };

  // Fills only the header (cleared first); a tcPresetFileCodec result. A file that
  // cannot be opened gives 0 and a clear header.
  static int read_header(const QString& path, tcPresetHeader* header);
  // Fills the header and the set (values with source 4), then the header's check
  // sums and counts and its present flag. A file that cannot be opened gives 0,
  // an empty name and the set unchanged; a file that is not a preset leaves the
  // set untouched.
  static int load(const QString& path, tcPresetHeader* header, tcSettings* set);
  // The same, but a file that cannot be opened gives kUnreadable and touches nothing.
  static int load_checked(const QString& path, tcPresetHeader* header, tcSettings* set);
  // Writes the current form through a temporary file renamed over path, so a
  // failed write leaves the old file as it was. 0 on success, -1 on failure (with
  // the system's words for it in `reason` when given).
  static int write(const tcPresetHeader& header, const tcSettings& set, const QString& path,
                   QString* reason = nullptr);

  // The same on bytes in memory.
  static int read_header_bytes(const QByteArray& bytes, tcPresetHeader* header);
  static int load_bytes(const QByteArray& bytes, tcPresetHeader* header, tcSettings* set);
  // The file's bytes with the given creation time, one record per preset parameter
  // in table order.
  static QByteArray encode(const tcPresetHeader& header, const tcSettings& set, uint32_t created);

 private:
  static int decode(const QByteArray& bytes, tcPresetFileCodec::Scope scope,
                    tcPresetFileImage* image, tcPresetHeader* header);
  static void apply(const tcPresetFileImage& image, tcSettings* set);
};
