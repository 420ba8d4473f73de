#pragma once
// The index file of one library folder, "qx770x_pset_idx.txt": one preset file
// name per line, in display order. Every operation reads the file, changes the
// list and writes it back at once (through a temporary file, so a failed write
// keeps the old index).
#include <QString>
#include <QStringList>

class tcPresetIndex {
 public:
  static constexpr const char* kFileName = "qx770x_pset_idx.txt";

  // The index of `folder`.
  explicit tcPresetIndex(const QString& folder) : folder_(folder) {}

  QString path() const;

  // The lines in order, empty lines left out; empty when there is no index.
  QStringList read() const;
  // Each operation returns 0, or -1 when the index could not be written (then
  // `reason` holds the system's words and the old file stays).
  int write(const QStringList& names, QString* reason = nullptr) const;
  // Appends the name unless it is present (then nothing is written).
  int add(const QString& name, QString* reason = nullptr) const;
  // Removes every line equal to the name.
  int remove(const QString& name, QString* reason = nullptr) const;
  // Replaces the first line equal to `from`; nothing when absent.
  int rename(const QString& from, const QString& to, QString* reason = nullptr) const;
  // Swaps the name's line with the previous (next) one; nothing at the first
  // (last) line or when absent.
  int move_up(const QString& name, QString* reason = nullptr) const;
  int move_down(const QString& name, QString* reason = nullptr) const;

 private:
  // Swaps the name with its neighbour `step` lines away, when there is one.
  int move(const QString& name, int step, QString* reason) const;

  QString folder_;
};
