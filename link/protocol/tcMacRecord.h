#pragma once
// The processor's MAC address (message 0x6000): six bytes at offset 6, in
// transmission order.
#include <array>
#include <cstdint>

#include "app/core/tcString.h"

class tcFrame;
class tcFrameView;

class tcMacRecord {
 public:
  static constexpr int kFrameLength = 12;
  static constexpr int kAddressOffset = 6;
  static constexpr int kAddressSize = 6;

  std::array<uint8_t, kAddressSize> bytes{};

  // -1 when the frame does not hold all six bytes.
  static int decode(const tcFrameView& frame, tcMacRecord& out);
  tcFrame encode() const;
  // "%02X:%02X:%02X:%02X:%02X:%02X"
  tcString text() const;

  bool operator==(const tcMacRecord& other) const { return bytes == other.bytes; }
};
