#pragma once
// The input status lamps of the input and system pages. The meter record holds
// one reading per input: 0 good and in use, 1 good, 2 failed and in use, 3
// failed; anything else is unknown.
#include <cstdint>

class tcControlGroup;

class tcInputLamp {
 public:
  // Lamp states: 0 failed, 1 good, 2 unknown (also the state before the first reading).
  enum State { kFailed = 0, kGood = 1, kUnknown = 2 };
  static constexpr const char* kActive = " (active)";
  // Meter records between two lamp updates.
  static constexpr int kRecordsPerUpdate = 6;

  static int state(uint8_t reading);
  static bool active(uint8_t reading);
  // The lamp `lamp` of a group shows the reading: its state, and its name
  // with kActive appended for the input in use.
  static void show(tcControlGroup& g, int lamp, const char* name, uint8_t reading);
};
