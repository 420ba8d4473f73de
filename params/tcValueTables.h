#pragma once
// The fixed value tables of the float parameters. Every table is ascending (fillers at
// the end repeat the value 100) and has a power-of-two size.
#include <cstdint>

#include "params/MAP_TYPE.h"

enum class tcValueTable : uint8_t {
  kNone = 0,
  kGain,       // 256: -80..-60 dB by 1, then to +57.5 dB by 0.5
  kTime,       // 256: 0..7000 ms
  kFrequency,  // 256: 16 Hz..23972.9 Hz, near-logarithmic
  kOctave,     // 128: 0.10..4.50 octaves
  kFullScale,  // 256: -80..0 dBFS, fillers from 141
  kRatio,      // 256: 1.00..20.0, fillers from 152
  kTrim,       // 16: -2..+8, 9.5 shows "OFF"
};

class tcValueTables {
 public:
  // nullptr and 0 for kNone.
  static const tcMapEntry* entries(tcValueTable table);
  static uint32_t count(tcValueTable table);
};
