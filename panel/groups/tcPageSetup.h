#pragma once
// What the table-driven pages repeat: the item texts of their list controls,
// the ranges and units of their knob pairs, formatted lists that take typed
// values, and the refresh of the three binding tables in page order.
#include "panel/framework/tcControlGroup.h"

// The item texts of a list control, index 0 first; items end with nullptr, a
// table with control 0.
struct tcListItems {
  int control;
  const char* const* items;
};

class tcPageSetup {
 public:
  // The items of `control`; nothing for a control without a row.
  static void fillList(tcControlGroup& g, const tcListItems* lists, int control);
  static void fillLists(tcControlGroup& g, const tcListItems* lists);
  // Range set-up of every knob pair (the display takes typed values with the
  // row's unit); formatted lists take typed values with theirs.
  static void setUpControls(tcControlGroup& g);
  // Ranges first, then the switch, value and knob rows from the stores.
  static void refreshTables(tcControlGroup& g);
  // A unit as the user reads it: "%%" is the form that passes through a format.
  static tcString shownUnit(const char* unit);
  // Whether a set index is the live set the panel shows.
  static bool isCurrentSet(const tcControlGroup& g, int set_index);
};
