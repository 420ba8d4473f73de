#pragma once
// Process-wide list of live diagnosable objects, in registration order.
#include <mutex>
#include <vector>

class tcDiagnosable;

class tcDiagRegistry {
 public:
  struct Entry {
    const tcDiagnosable* object;
    int kind;
  };

  static tcDiagRegistry& instance();

  void add(const tcDiagnosable* object, int kind);
  // Removes the object's record; later records move down one place.
  void remove(const tcDiagnosable* object);
  std::vector<Entry> entries() const;
  int count() const;

 private:
  tcDiagRegistry() = default;

  mutable std::mutex lock_;
  std::vector<Entry> entries_;
};
