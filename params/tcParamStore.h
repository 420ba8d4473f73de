#pragma once
// What the preset-parameter sets and the global store share: one map per table row,
// every read and write by id under the store's process-wide lock, and the report of
// every effective change with its source code.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/core/tcMutex.h"
#include "app/core/tcString.h"
#include "params/MAP_BOOL.h"
#include "params/MAP_FLOAT.h"
#include "params/MAP_INT.h"
#include "params/tcParamTable.h"

// Who made a change, and so who must hear of it.
enum tcChangeSource : int {
  kSourceSilent = 0,  // 0 and 1: nobody
  kSourceSilent1 = 1,
  kSourceConsole = 2,    // panel or dialog: send it to the processor
  kSourceProcessor = 3,  // from the processor: show it, never echo it
  kSourceLoaded = 4,     // preset file or copy: show and send
};

class tcParamStore {
 public:
  tcParamStore(const tcParamStore&) = delete;
  tcParamStore& operator=(const tcParamStore&) = delete;
  virtual ~tcParamStore();

  const tcParamTable& table() const { return table_; }
  // The store's lock; callers that hold a map pointer across calls hold it too.
  tcMutex& mutex() const { return lock_; }

  // Display text of a given raw value / of the current value; "????????" when unknown.
  tcString format_raw(uint16_t id, uint32_t raw) const;
  tcString format(uint16_t id) const;
  // The current value's text copied into buf (always terminated); its length.
  int format(uint16_t id, char* buf, size_t size) const;
  // Name of an id, "???" when unknown; the buffer form copies it like format().
  tcString name(uint16_t id) const;
  int name(uint16_t id, char* buf, size_t size) const;

  // Maps by id; nullptr for an unknown id or another type.
  MAP_TYPE* map(uint16_t id) const;
  MAP_FLOAT* float_map(uint16_t id) const;
  MAP_INT* int_map(uint16_t id) const;
  MAP_BOOL* bool_map(uint16_t id) const;

  // Table facts.
  int type(uint16_t id) const { return table_.type_of(id); }
  uint8_t flags(uint16_t id) const { return table_.flags_of(id); }
  uint16_t first_id() const { return table_.first_id(); }
  uint16_t next_id(uint16_t id) const { return table_.next_id(id); }
  int count() const { return table_.count(); }

  // Getters; 0 for an unknown id or one of another type. Ranges, defaults, names and
  // conversions are fixed at construction and need no lock.
  uint32_t raw(uint16_t id) const;        // switch 0/1, integer value, float raw index
  float eng(uint16_t id) const;           // float engineering value
  uint32_t int_value(uint16_t id) const;  // integer value, or a switch's 0/1
  uint8_t bool_value(uint16_t id) const;
  float float_min(uint16_t id) const;
  float float_max(uint16_t id) const;
  float float_default(uint16_t id) const;
  uint32_t int_min(uint16_t id) const;
  uint32_t int_max(uint16_t id) const;
  uint32_t int_default(uint16_t id) const;
  uint32_t eng_to_raw(uint16_t id, float value) const;
  float raw_to_eng(uint16_t id, uint32_t raw) const;

  // Setters clamp, and report a real change (only) through the change callback, still
  // under the lock. Unknown ids and ids of another type are ignored. True on a change.
  bool set_raw(uint16_t id, uint32_t raw, int source);
  bool set_float(uint16_t id, float value, int source);   // engineering value
  bool set_int(uint16_t id, uint32_t value, int source);  // integer or switch
  bool set_bool(uint16_t id, uint8_t value, int source);  // switch

 protected:
  tcParamStore(const tcParamTable& table, tcMutex& lock);
  // Called under the lock after every effective change.
  virtual void changed(uint16_t id, int source) = 0;
  // Map of a table position (0 to count() - 1).
  MAP_TYPE* map_at(int index) const { return maps_[index].get(); }
  bool store(MAP_TYPE* map, uint32_t raw, int source);

 private:
  const tcParamTable& table_;
  tcMutex& lock_;
  std::vector<std::unique_ptr<MAP_TYPE>> maps_;  // in table order
};
