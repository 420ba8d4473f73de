#pragma once
// The analysis data block of a meter record (500 bytes): bit 0 of its first
// byte tells an oscilloscope frame (set) from a spectrum (clear). A spectrum
// holds 31 bands of 16 bins, one byte each, from block byte 1.
#include <array>
#include <cstdint>

class tcSpectrum {
 public:
  static constexpr int kBlockSize = 500;
  static constexpr int kBands = 31;
  static constexpr int kBins = 16;
  static constexpr int kFirstBin = 1;
  static constexpr double kFloorDb = -80.0;  // bins 0 and 1
  static constexpr double kSpanDb = 50.0;    // bins 2 to 255 cover -50 to 0 dB

  using Levels = std::array<double, kBands>;

  static bool is_scope(const uint8_t* block) { return (block[0] & 1) != 0; }
  // Bin byte to dBFS.
  static double bin_db(uint8_t b) { return kTable.db[b]; }
  // Each band's level: the largest of its 16 bins.
  static Levels band_levels(const uint8_t* block);
  // Third-octave centre frequency of a band, in Hz, and its short label.
  static double band_hz(int band);
  static const char* band_label(int band);
  // Where a band's middle bin lies along the block, 0 to 1.
  static double band_centre(int band) {
    return (kFirstBin + band * kBins + kBins / 2) / static_cast<double>(kBlockSize);
  }

 private:
  struct Table {
    std::array<double, 256> db;
    Table();
  };
  static const Table kTable;
};
