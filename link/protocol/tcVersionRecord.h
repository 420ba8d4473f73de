#pragma once
// The processor's version reply (message 0x0002, at most 116 bytes): firmware
// major/minor/build, three description lines of 32 bytes and the bootloader's
// identity. Byte positions are from the frame start.
#include <array>
#include <cstdint>

class tcFrame;
class tcFrameView;

class tcVersionRecord {
 public:
  static constexpr int kFrameLength = 116;
  static constexpr int kMajorOffset = 6;
  static constexpr int kMinorOffset = 8;
  static constexpr int kBuildOffset = 10;
  static constexpr int kLineOffset[3] = {12, 44, 76};
  static constexpr int kLineSize = 32;
  static constexpr int kBootIdOffset = 108;
  static constexpr int kBootMajorOffset = 112;
  static constexpr int kBootMinorOffset = 113;
  static constexpr int kBootCheckOffset = 114;

  uint16_t major = 0;
  uint16_t minor = 0;
  uint16_t build = 0;
  // Each line is terminated after its 32 bytes at the latest.
  std::array<std::array<char, kLineSize + 1>, 3> lines{};
  uint32_t boot_id = 0;
  uint8_t boot_major = 0;
  uint8_t boot_minor = 0;
  uint16_t boot_check = 0;

  // A reply shorter than 116 bytes leaves the missing fields zero; bytes past 116
  // are not looked at.
  static tcVersionRecord decode(const tcFrameView& frame);
  tcFrame encode() const;

  bool operator==(const tcVersionRecord& other) const;
};
