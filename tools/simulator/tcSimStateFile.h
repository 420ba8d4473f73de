#pragma once
// The simulator's state on disk, in one directory: each bank and each stored
// preset as a preset file ("bank_N.qx770x", "preset_NN.qx770x"; an empty slot
// has none), and "qx770sim.state" for what preset files do not carry: lock
// states, header words A and B, the banks' reported check sums, the global
// parameters, the event schedule and the clock. Every file is replaced whole or
// not at all.
#include <QByteArray>
#include <QString>

#include "tools/simulator/tcSimState.h"

class tcSimStateFile {
 public:
  static constexpr const char* kIndexName = "qx770sim.state";
  static constexpr const char* kIndexMagic = "qx770sim-state 1";

  explicit tcSimStateFile(const QString& dir) : dir_(dir) {}

  // Reads what the directory holds into a fresh state; parts that are missing
  // keep the fresh values. -1 when the directory holds no state at all.
  int load(tcSimState& state) const;
  // Writes what changed since the last save (everything the first time) and
  // marks the state clean. -1 when any write failed; the failed parts stay dirty.
  int save(tcSimState& state, bool everything = false) const;

  QString bank_path(int b) const;
  QString slot_path(int s) const;
  QString index_path() const;

  // The index file's text and its reading, apart from the disk.
  static QByteArray encode_index(const tcSimState& state);
  static void decode_index(const QByteArray& text, tcSimState& state);

 private:
  QString dir_;
};
