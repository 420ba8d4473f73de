#pragma once
// Change records of the live sets: one record (lock and one flag per preset parameter)
// for each set index below the record count. Changes of other sets leave no flag.
#include <cstdint>
#include <memory>
#include <vector>

#include "params/tcChangeFlags.h"

class tcLiveSettingsDirty {
 public:
  explicit tcLiveSettingsDirty(uint16_t record_count = 1);

  uint16_t record_count() const { return static_cast<uint16_t>(records_.size()); }
  // The record of a set index, nullptr at or beyond the record count.
  tcChangeFlags* record(uint16_t set_index) const;

  // By set index and id; out-of-range set indices and unknown ids are ignored.
  void set(uint16_t set_index, uint16_t id);
  void clear(uint16_t set_index, uint16_t id);
  bool test(uint16_t set_index, uint16_t id) const;
  bool take(uint16_t set_index, uint16_t id);
  void clear_all(uint16_t set_index);

 private:
  std::vector<std::unique_ptr<tcChangeFlags>> records_;
};
