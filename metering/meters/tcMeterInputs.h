#pragma once
// Where the meter panels find their value bytes in a meter record, for the FM
// (0) and HD (1) chains. Pure: bytes in, bytes out.
#include <array>
#include <cstdint>

class tcMeterRecord;

class tcMeterInputs {
 public:
  static constexpr int kGrCount = 46;
  static constexpr int kVuCount = 16;
  static constexpr int kMultibands = 31;
  // GR input order: SST, five band mains, five band markers, VBMS, 31 multiband
  // bands (lowest first), FINAL, MPX, BS412.
  static constexpr int kGrSst = 0;
  static constexpr int kGrBandMain = 1;
  static constexpr int kGrBandMarker = 6;
  static constexpr int kGrVbms = 11;
  static constexpr int kGrMultiband = 12;
  static constexpr int kGrFinal = 43;
  static constexpr int kGrMpx = 44;
  static constexpr int kGrBs412 = 45;

  using Gr = std::array<uint8_t, kGrCount>;
  // VU input: mains of meters A (L, R), B, C, D, then the markers in that order.
  using Vu = std::array<uint8_t, kVuCount>;

  static Gr gr(const tcMeterRecord& record, int chain);
  static Vu vu(const tcMeterRecord& record);
};
