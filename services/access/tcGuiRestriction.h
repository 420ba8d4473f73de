#pragma once
// The restriction classes of the GUI lock: a panel control whose class bit is
// among the held bits needs the access code while the panel is locked. The
// held bits always carry the top bit, so a mask with it is always restricted.
#include <cstdint>

struct tcGuiRestriction {
  enum Bit : uint32_t {
    kSettings = 1,  // parameter controls
    kTakes = 2,     // taking presets
    kSaves = 4,     // saving presets
    kScreens = 16,  // switching screens and pages
    kMeters = 32,   // meter views (no box shown for it)
    kAlways = 0x80000000u,
    kAll = 0xFFFFFFFFu,
  };

  // The boxes of "Locked User Access: ", in order.
  struct Box {
    uint32_t bit;
    const char* text;
    bool shown;
  };
  static constexpr int kBoxCount = 5;
  static constexpr Box kBoxes[kBoxCount] = {
      {kSettings, "Setting Changes", true}, {kTakes, "Preset Takes", true},
      {kSaves, "Preset Saves", true},       {kScreens, "Screen Changes", true},
      {kMeters, "Meter Views", false},
  };
};
