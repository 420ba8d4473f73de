#pragma once
// The meter picture of the simulated processor: a programme that breathes, the
// gain reduction the active stages of bank 0 would show for it, the levels at
// input and outputs, the input lamps, the temperature and the clock, and in the
// analysis block a spectrum or an oscilloscope frame of the chain that globals
// 0x200C (type) and 0x200D (chain) select.
//
// Meter value bytes: levels count 0.25 dB steps below full scale; gain
// reductions count 0.25 dB steps of reduction. Analysis block (record bytes 184
// to 683): byte 0 bit 0 clear = spectrum, 31 bands of 16 bins from byte 1, bin
// byte b = 255 * (1 + dB / 50); bit 0 set = oscilloscope, bytes 1 to 499 are
// successive samples of the chain's output, unsigned with 128 as zero.
#include <array>
#include <cstdint>

class tcSimState;

class tcSimMeters {
 public:
  // Record bytes of the readings.
  static constexpr int kTemperature = 40;  // float, degrees C
  static constexpr int kAnalogLamp = 44;
  static constexpr int kDigitalLamp = 45;
  static constexpr int kInputVu = 46;    // L, R main; 48, 49 markers
  static constexpr int kAgcBands = 54;   // 5 bands
  static constexpr int kCompBands = 59;  // 5 bands main; markers from 64
  static constexpr int kCompMarkers = 64;
  static constexpr int kSst = 69;
  static constexpr int kFmDigitalVu = 70;  // L, R main; 72, 73 markers
  static constexpr int kFmAnalogVu = 74;   // L, R main; 76, 77 markers
  static constexpr int kFmFinal = 78;      // L, R
  static constexpr int kFmMpx = 80;        // L, R
  static constexpr int kFmVbms = 82;
  static constexpr int kFmBands = 83;       // 31 bands, limiter
  static constexpr int kFmBandsClip = 114;  // 31 bands, clipper
  static constexpr int kHdVu = 145;         // L, R main; 147, 148 markers
  static constexpr int kHdFinal = 149;      // L, R
  static constexpr int kHdVbms = 151;
  static constexpr int kHdBands = 152;  // 31 bands
  static constexpr int kBs412 = 183;
  static constexpr int kAnalysis = 184;
  static constexpr int kAnalysisSize = 500;
  static constexpr int kBandCount = 31;
  static constexpr int kBinsPerBand = 16;

  static constexpr int kTypeOscilloscope = 1;

  explicit tcSimMeters(uint32_t seed = 0x51C0FFEEu) : random_(seed ? seed : 1) {}

  // Fills one 684-byte record for `t` seconds after start.
  void build(uint8_t* record, double t, uint8_t tag, const tcSimState& state,
             int64_t host_utc_seconds);

  static uint8_t level_byte(double db);  // dB below full scale (<= 0)
  static uint8_t gr_byte(double db);     // dB of reduction (>= 0)
  static uint8_t bin_byte(double db);

 private:
  struct Programme {
    double level[2];  // dBFS per channel, short-term
    double peak[2];
  };
  Programme programme(double t);
  void fill_levels(uint8_t* record, const Programme& p, double dt, const tcSimState& state);
  void fill_reduction(uint8_t* record, const Programme& p, double t, const tcSimState& state);
  void fill_spectrum(uint8_t* block, const Programme& p, double t, int chain);
  void fill_scope(uint8_t* block, const Programme& p, double t, int chain);
  double noise();  // -1 to 1

  uint32_t random_;
  double last_t_ = 0;
  std::array<double, 8> held_{};  // peak hold of the four stereo level meters
};
