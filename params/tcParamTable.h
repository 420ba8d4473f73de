#pragma once
// The static parameter tables: the 457 preset parameters and the global parameters,
// in their fixed order (iteration, file and check-sum order), each ended by a row with
// id 0xFFFF. Lookups by id are O(1) through an index built at compile time.
#include <cstdint>

#include "params/MAP_TYPE.h"
#include "params/tcValueTables.h"

// How a parameter's display text departs from its map's text.
enum class tcDisplayRule : uint8_t {
  kMap = 0,    // the map's text
  kOffAtMin,   // "OFF     " when the raw value is the raw minimum
  kBracketed,  // "[%d]" of the raw value (fine-adjust values)
  kSign,       // "+" for 0, "-" otherwise (HD phase)
  kDelay,      // tenths of a millisecond: "OFF     ", "%4d.%dmS", "10.0000S"
};

struct tcParamRow {
  static constexpr int kNameSize = 18;  // 17 characters and the terminator

  uint16_t id;
  uint8_t type;  // MAP_TYPE::kFloat, kInt, kBool
  char name[kNameSize];
  uint8_t bool_default;
  uint32_t int_default;
  uint32_t int_min;
  uint32_t int_max;
  float float_default;
  float float_min;
  float float_max;
  uint8_t follow_io;  // belongs to the processor's I/O set-up, not to the sound
  uint8_t secret;     // clipper internals, hidden from ordinary users
  // How the map is made.
  tcValueTable table;         // float with a value table
  float resolution;           // float without a table: 1, 0.5, 0.1, 0.05 or 0.001
  const char* format;         // display format, nullptr for the map's default
  const char* const* labels;  // integer label list, or a switch's pair; nullptr for none
  const tcMapEntry* records;  // integer label records; nullptr for none
  uint8_t label_count;
  tcDisplayRule display;
};

class tcParamTable {
 public:
  static constexpr uint16_t kEndId = 0xFFFF;
  static constexpr uint8_t kFlagFollowIo = 1;
  static constexpr uint8_t kFlagSecret = 2;
  static constexpr int kPresetCount = 457;
  static constexpr int kGlobalCount = 16;
  static constexpr uint16_t kFineAdjustFirst = 0x1200;
  static constexpr uint16_t kFineAdjustLast = 0x1209;

  static const tcParamTable& presets();
  static const tcParamTable& globals();

  // Rows in table order; rows()[count()] is the 0xFFFF end row.
  const tcParamRow* rows() const { return rows_; }
  int count() const { return count_; }
  // Position of an id in the table, -1 when unknown.
  int index_of(uint16_t id) const {
    const uint32_t off = static_cast<uint32_t>(id) - base_;
    return off < span_ ? index_[off] - 1 : -1;
  }
  // The id's row, nullptr when unknown.
  const tcParamRow* find(uint16_t id) const {
    const int i = index_of(id);
    return i < 0 ? nullptr : &rows_[i];
  }
  // Type code of an id, -1 when unknown.
  int type_of(uint16_t id) const;
  // kFlagFollowIo | kFlagSecret of an id, 0 when unknown.
  uint8_t flags_of(uint16_t id) const;
  uint16_t first_id() const { return rows_[0].id; }
  // The id after the given one in table order; 0xFFFF after the last or an unknown id.
  uint16_t next_id(uint16_t id) const;

  tcParamTable(const tcParamRow* rows, int count, const int16_t* index, uint16_t base,
               uint32_t span)
      : rows_(rows), count_(count), index_(index), base_(base), span_(span) {}

 private:
  const tcParamRow* rows_;
  int count_;
  const int16_t* index_;  // row position + 1 per id offset, 0 for no parameter
  uint16_t base_;
  uint32_t span_;
};
