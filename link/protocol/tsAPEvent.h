#pragma once
// One entry of the processor's event schedule (8 bytes on the wire): word 0 a
// bit field whose low three bits give the kind, word 1 the preset slot.
#include <cstdint>

namespace tcIddApGui {

struct tsAPEvent {
  static constexpr int kSize = 8;
  static constexpr int kWord0Offset = 0;
  static constexpr int kWord1Offset = 4;

  uint32_t word0 = 0;
  uint32_t word1 = 0;

  bool operator==(const tsAPEvent& other) const {
    return word0 == other.word0 && word1 == other.word1;
  }
};

}  // namespace tcIddApGui
