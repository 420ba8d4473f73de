#pragma once
// The processors the console knows, one ".cfg" file each in the maps
// directory, in list order, and which of them is current. GUI thread only.
#include <QString>
#include <memory>
#include <vector>

#include "link/devices/tcDeviceEntry.h"

class tcDeviceList {
 public:
  explicit tcDeviceList(const QString& maps_dir);

  // Replaces the list with one entry per "*.cfg" file of the maps directory (by
  // file name), then makes `current_name` current (-1 when not found). Returns
  // the count.
  int load(const char* current_name);

  // First entry named exactly `name`; makes it current and returns its index,
  // or -1 (then nothing is current).
  int find(const char* name);
  // Index of the first entry named `name`, or -1; the current entry stays.
  int index_of(const char* name) const;

  int count() const { return static_cast<int>(entries_.size()); }
  // None out of range.
  tcDeviceEntry* at(int index) const;
  const char* name_at(int index) const;
  int current_index() const { return current_; }
  // None when nothing is current.
  tcDeviceEntry* current() const { return at(current_); }
  // -1 (and nothing current) for an index out of range.
  int set_current(int index);

  // A new entry named `name` with its address, appended; the file is created.
  // None for an invalid name or one already in the list, since two entries
  // would share one file; none as well when the file could not be written,
  // with `write_error` set (the device would be gone at the next start).
  tcDeviceEntry* add(const char* name, const char* address, QString* write_error = nullptr);
  int set_address(tcDeviceEntry& entry, const char* address) { return entry.set_address(address); }
  // Takes the entry out, deletes its file and frees it. The current entry stays
  // the same one (nothing is current when it was the one removed). -1 when the
  // entry is not in the list.
  int remove(const tcDeviceEntry* entry);

  const QString& maps_dir() const { return maps_dir_; }

 private:
  int index_of(const tcDeviceEntry* entry) const;

  const QString maps_dir_;
  std::vector<std::unique_ptr<tcDeviceEntry>> entries_;
  int current_ = -1;
};
