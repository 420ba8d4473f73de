#pragma once
// One change flag per parameter of a table, under the flags' own lock. Taken inside
// a store lock (from change callbacks), never the other way round.
#include <cstdint>
#include <memory>

#include "app/core/tcMutex.h"
#include "params/tcParamTable.h"

class tcChangeFlags {
 public:
  explicit tcChangeFlags(const tcParamTable& table);
  tcChangeFlags(const tcChangeFlags&) = delete;
  tcChangeFlags& operator=(const tcChangeFlags&) = delete;

  // Unknown ids are ignored; test() yields false for them.
  void set(uint16_t id);
  void clear(uint16_t id);
  bool test(uint16_t id) const;
  // Reads and clears the flag in one step (for the sender walking the table).
  bool take(uint16_t id);
  void clear_all();
  bool any() const;

 private:
  const tcParamTable& table_;
  mutable tcMutex lock_;
  std::unique_ptr<uint8_t[]> flags_;
};
