#pragma once
// The two quick-save slots: a stand-alone set each, kept in "qsave_a.qx770x" and
// "qsave_b.qx770x" in the presets directory, and which of them the live set
// stands for (A at start).
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
  // the slot's set (kept even when the write fails). 0, or -1 when the write
  // failed, with error_text() telling the user which file and why.
  int save(const tcSettings& set, Slot which);
  // Slot A, then slot B, from the same set; -1 when either write failed.
  int save_both(const tcSettings& set);

  // The slot the live set stands for.
  Slot index() const { return index_; }
  Slot other() const { return index_ == kA ? kB : kA; }
  // Leaves the current slot for `target`: the live set is saved in the slot left,
  // the target's set is copied into the live set with source 4 (so it is shown
  // and sent) and the target becomes current. Nothing when it is current
  // already. -1 when the file of the slot left could not be written (the switch
  // is made all the same: the slot's set holds the values).
  int switch_to(Slot target, tcSettings& live);
  // The live set into the other slot (saved).
  int copy_to_other(const tcSettings& live) { return save(live, other()); }

  SETTINGS& set(Slot which) { return *sets_[which]; }
  const SETTINGS& set(Slot which) const { return *sets_[which]; }
  const QString& path(Slot which) const { return paths_[which]; }
  // The user's text for the last failed write.
  const QString& error_text() const { return error_; }

 private:
  QString paths_[2];
  std::unique_ptr<SETTINGS> sets_[2];
  Slot index_ = kA;
  QString error_;
};
