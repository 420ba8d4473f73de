#pragma once
// Packs a skin folder by starting the packer tool, which must sit in the
// current working directory; its output goes to "tessellor_results.txt" there.
#include <QString>

class tcSkinPacker {
 public:
  // The tool's program file name on this platform.
  static QString program_name();
  // The tool's path in the current working directory; empty when it isn't there.
  static QString program_path();

  // Packs skin_folder (with "skin_images" two levels above it, if that exists)
  // into skin_file. 0 when the tool started, finished within its time and
  // reported success; -1 otherwise.
  static int pack(const QString& skin_folder, const QString& skin_file);

  static constexpr int kStartWaitMs = 10000;
  static constexpr int kFinishWaitMs = 10000;
};
