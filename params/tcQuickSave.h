#pragma once
// The two quick-save slots: a stand-alone set each, kept in "qsave_a.qx770x" and
// "qsave_b.qx770x" in the presets directory.
#include <QString>
#include <memory>

#include "params/SETTINGS.h"

class tcQuickSave {
 public:
  enum Slot { kA = 0, kB = 1 };
  static constexpr const char* kFileA = "qsave_a.qx770x";
  static constexpr const char* kFileB = "qsave_b.qx770x";

  // Loads both files; a missing or unreadable file leaves its set at the defaults.
  explicit tcQuickSave(const QString& presets_dir);
  ~tcQuickSave();
  tcQuickSave(const tcQuickSave&) = delete;
  tcQuickSave& operator=(const tcQuickSave&) = delete;

  // Writes the set to the slot's file under the name "QSAVE" and keeps a copy in
  // the slot's set (kept even when the write fails). 0, or -1 when the write failed.
  int save(const tcSettings& set, Slot which);
  // Slot A, then slot B, from the same set; -1 when either write failed.
  int save_both(const tcSettings& set);

  SETTINGS& set(Slot which) { return *sets_[which]; }
  const SETTINGS& set(Slot which) const { return *sets_[which]; }
  const QString& path(Slot which) const { return paths_[which]; }

 private:
  QString paths_[2];
  std::unique_ptr<SETTINGS> sets_[2];
};
