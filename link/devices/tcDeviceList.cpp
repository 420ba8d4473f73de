#include "link/devices/tcDeviceList.h"

#include <QDir>

tcDeviceList::tcDeviceList(const QString& maps_dir) : maps_dir_(maps_dir) {}

int tcDeviceList::load(const char* current_name) {
  entries_.clear();
  current_ = -1;
  const QString extension = QString::fromLatin1(tcDeviceConfig::kExtension);
  const QStringList files =
      QDir(maps_dir_).entryList({QStringLiteral("*") + extension}, QDir::Files, QDir::Name);
  for (const QString& file : files) {
    const QString name = file.left(file.size() - extension.size());
    // A name our 8-bit text cannot hold would open a different file.
    const tcString text = tcString::fromQString(name);
    if (text.empty() || text.toQString() != name) continue;
    entries_.push_back(std::make_unique<tcDeviceEntry>(maps_dir_, text.c_str()));
  }
  find(current_name);
  return count();
}

int tcDeviceList::find(const char* name) {
  current_ = index_of(name);
  return current_;
}

int tcDeviceList::index_of(const char* name) const {
  if (!name) return -1;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i]->name() == name) return static_cast<int>(i);
  }
  return -1;
}

int tcDeviceList::index_of(const tcDeviceEntry* entry) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].get() == entry) return static_cast<int>(i);
  }
  return -1;
}

tcDeviceEntry* tcDeviceList::at(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return entries_[static_cast<size_t>(index)].get();
}

const char* tcDeviceList::name_at(int index) const {
  const tcDeviceEntry* entry = at(index);
  return entry ? entry->name().c_str() : nullptr;
}

int tcDeviceList::set_current(int index) {
  current_ = at(index) ? index : -1;
  return current_;
}

tcDeviceEntry* tcDeviceList::add(const char* name, const char* address, QString* write_error) {
  if (!tcDeviceEntry::valid_name(name) || index_of(name) >= 0) return nullptr;
  auto entry = std::make_unique<tcDeviceEntry>(maps_dir_, name);
  if (entry->set_address(address) != 0) {
    if (write_error) *write_error = entry->write_error();
    entry->remove_file();
    return nullptr;
  }
  entries_.push_back(std::move(entry));
  return entries_.back().get();
}

int tcDeviceList::remove(const tcDeviceEntry* entry) {
  const int index = index_of(entry);
  if (index < 0) return -1;
  entries_[static_cast<size_t>(index)]->remove_file();
  entries_.erase(entries_.begin() + index);
  if (index < current_) {
    --current_;
  } else if (index == current_) {
    current_ = -1;
  }
  return 0;
}
