#pragma once
// A skin name table of fixed capacity: entries keep their definition order and
// their addresses (objects hold pointers to fonts), and are found by exact name.
#include <deque>
#include <string>
#include <unordered_map>
#include <utility>

#include "app/core/tcString.h"

template <class T>
class tcNameTable {
 public:
  struct Entry {
    tcString name;
    T value;
  };

  explicit tcNameTable(int capacity) : capacity_(capacity) {}

  int capacity() const { return capacity_; }
  int size() const { return static_cast<int>(entries_.size()); }
  const Entry& at(int i) const { return entries_[static_cast<size_t>(i)]; }

  T* find(const char* name) {
    const auto it = index_.find(name);
    return it == index_.end() ? nullptr : &entries_[it->second].value;
  }
  const T* find(const char* name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? nullptr : &entries_[it->second].value;
  }

  // The entry of that name, registered with the default when new; none when
  // the table is full (*full is then set).
  T* define(const tcString& name, T fresh, bool* full) {
    *full = false;
    if (T* existing = find(name.c_str())) return existing;
    if (size() >= capacity_) {
      *full = true;
      return nullptr;
    }
    index_.emplace(std::string(name.c_str(), static_cast<size_t>(name.length())), entries_.size());
    entries_.push_back(Entry{name, std::move(fresh)});
    return &entries_.back().value;
  }

  void clear() {
    entries_.clear();
    index_.clear();
  }

 private:
  int capacity_;
  std::deque<Entry> entries_;
  std::unordered_map<std::string, size_t> index_;
};
