#pragma once
// The 160-byte wire form of a preset header: one stored preset in the processor's
// directory, or the contents of one live bank. The two text fields travel with
// every byte complemented; in memory they are kept plain.
#include <cstdint>

class tcPresetHeader;

class PresetSummary {
 public:
  static constexpr int kSize = 160;
  static constexpr int kSlotOffset = 0;
  static constexpr int kNameOffset = 1;
  static constexpr int kNameSize = 40;
  static constexpr int kPresentOffset = 41;
  static constexpr int kStatusOffset = 42;
  static constexpr int kCheckOffset = 44;  // four u32
  static constexpr int kCountOffset = 60;  // four u16
  static constexpr int kWordAOffset = 68;
  static constexpr int kWordBOffset = 72;
  static constexpr int kTextAOffset = 76;
  static constexpr int kTextBOffset = 116;
  static constexpr int kTextSize = 40;
  static constexpr int kMapVersionOffset = 156;

  static void encode(uint8_t slot, const tcPresetHeader& header, uint8_t* out);
  // Fills every field of the header from the block; returns the block's slot byte.
  static uint8_t decode(const uint8_t* in, tcPresetHeader& out);
};
