#pragma once
// Radio groups whose items stand for values. A radio group reports the index
// of the item the user chose; the item is matched by its control id, so a skin
// may hold the items in any order and leave some out.
#include <cstdint>

class tcControlGroup;

struct tcRadioRow {
  int group;  // control id of the radio group; 0 ends a table
  int item;   // control id of the item
  uint32_t value;
};

class tcRadioTable {
 public:
  // The value of the item at `index` of the radio group `group`; false when
  // the group, the item or its row is missing.
  static bool valueOf(const tcControlGroup& g, const tcRadioRow* rows, int group, int index,
                      uint32_t* value);
  // Selects the item that stands for `value` (the first row that does); the
  // selection stays when no item does.
  static void select(tcControlGroup& g, const tcRadioRow* rows, int group, uint32_t value);
  // The first row of an item id, none when the table has none.
  static const tcRadioRow* rowOfItem(const tcRadioRow* rows, int item);
};
