#include "link/protocol/tcSpectrum.h"

#include <algorithm>

namespace {

constexpr double kBandHz[tcSpectrum::kBands] = {
    20,  25,   31.5, 40,   50,   63,   80,   100,  125,  160,  200,  250,   315,   400,   500,  630,
    800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000};
constexpr const char* kBandLabel[tcSpectrum::kBands] = {
    "20",    "25",  "31.5", "40",   "50",  "63",  "80",    "100",   "125",  "160", "200",
    "250",   "315", "400",  "500",  "630", "800", "1k",    "1.25k", "1.6k", "2k",  "2.5k",
    "3.15k", "4k",  "5k",   "6.3k", "8k",  "10k", "12.5k", "16k",   "20k"};

}  // namespace

const tcSpectrum::Table tcSpectrum::kTable;

tcSpectrum::Table::Table() {
  for (int b = 0; b < 256; ++b) db[b] = b < 2 ? kFloorDb : (b / 255.0 - 1.0) * kSpanDb;
}

tcSpectrum::Levels tcSpectrum::band_levels(const uint8_t* block) {
  Levels levels;
  for (int k = 0; k < kBands; ++k) {
    const uint8_t* bins = block + kFirstBin + k * kBins;
    levels[k] = bin_db(*std::max_element(bins, bins + kBins));
  }
  return levels;
}

double tcSpectrum::band_hz(int band) {
  return kBandHz[std::clamp(band, 0, kBands - 1)];
}

const char* tcSpectrum::band_label(int band) {
  return kBandLabel[std::clamp(band, 0, kBands - 1)];
}
