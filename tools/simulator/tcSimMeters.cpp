#include "tools/simulator/tcSimMeters.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/core/tcLeBytes.h"
#include "link/protocol/tcMeterRecord.h"
#include "tools/simulator/tcSimState.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Ids of bank 0 whose state shapes the picture.
constexpr uint16_t kInputGain = 0x1001;
constexpr uint16_t kAgcIn = 0x1400;
constexpr uint16_t kCompIn = 0x1401;
constexpr uint16_t kSstIn = 0x1440;
constexpr uint16_t kFmMbIn = 0x1500;
constexpr uint16_t kFmLimIn = 0x1601;
constexpr uint16_t kBs412In = 0x161D;
constexpr uint16_t kHdMbIn = 0x1700;
constexpr uint16_t kHdLimIn = 0x1802;

double wave(double t, double period, double phase = 0) {
  return std::sin(kTwoPi * t / period + phase);
}

// Average programme spectrum, dB relative to the programme level, band k of 31
// third-octave bands from 20 Hz to 20 kHz. The FM chain stops at 15 kHz.
double band_shape(int k, int chain) {
  const double bass = k < 6 ? -3.0 * (6 - k) / 6.0 : 0.0;
  double db =
      -6.0 + 4.0 * std::exp(-std::pow((k - 9) / 5.0, 2)) - 0.45 * std::max(0, k - 16) + bass;
  if (chain == 0 && k >= 29) db -= 30.0;
  return db;
}

}  // namespace

uint8_t tcSimMeters::level_byte(double db) {
  return static_cast<uint8_t>(std::clamp(std::lround(-db * 4.0), 0L, 254L));
}

uint8_t tcSimMeters::gr_byte(double db) {
  return static_cast<uint8_t>(std::clamp(std::lround(db * 4.0), 0L, 254L));
}

uint8_t tcSimMeters::bin_byte(double db) {
  if (db <= -50.0) return 0;
  return static_cast<uint8_t>(std::clamp(std::lround(255.0 * (1.0 + db / 50.0)), 2L, 255L));
}

double tcSimMeters::noise() {
  random_ ^= random_ << 13;
  random_ ^= random_ >> 17;
  random_ ^= random_ << 5;
  return (random_ & 0xFFFFFF) / double(0x7FFFFF) - 1.0;
}

tcSimMeters::Programme tcSimMeters::programme(double t) {
  Programme p;
  const double base = -15.0 + 4.0 * wave(t, 7.3) + 2.0 * wave(t, 1.9, 1.0);
  for (int c = 0; c < 2; ++c) {
    p.level[c] = std::min(-1.0, base + 1.2 * wave(t, 3.1, c * 2.0) + 1.0 * noise());
    p.peak[c] = std::min(0.0, p.level[c] + 6.0 + 2.0 * std::fabs(noise()));
  }
  return p;
}

void tcSimMeters::fill_levels(uint8_t* record, const Programme& p, double dt,
                              const tcSimState& state) {
  const SETTINGS& bank = *state.bank(0).set;
  const double gain = bank.eng(kInputGain);
  // Outputs are dense and close to full scale after the limiters.
  const double out_trim[4] = {gain, 0.0, -0.5, -2.5};
  const double density[4] = {1.0, 0.25, 0.25, 0.4};
  const int main_at[4] = {kInputVu, kFmAnalogVu, kFmDigitalVu, kHdVu};
  for (int m = 0; m < 4; ++m) {
    for (int c = 0; c < 2; ++c) {
      const double level = std::min(0.0, -3.0 + (p.level[c] + 3.0) * density[m] + out_trim[m]);
      const double peak = std::min(0.0, level + 0.5 * (p.peak[c] - p.level[c]));
      double& held = held_[m * 2 + c];
      held = std::max(peak, held - 8.0 * dt);  // falls back at 8 dB/s
      record[main_at[m] + c] = level_byte(level);
      record[main_at[m] + 2 + c] = level_byte(held);
    }
  }
}

void tcSimMeters::fill_reduction(uint8_t* record, const Programme& p, double t,
                                 const tcSimState& state) {
  const SETTINGS& bank = *state.bank(0).set;
  const double drive = std::max(p.level[0], p.level[1]) + 15.0;  // about -6 to +6
  record[kSst] = gr_byte(bank.int_value(kSstIn) ? 2.0 + 1.5 * wave(t, 11.0) : 0.0);
  for (int b = 0; b < 5; ++b) {
    const double agc = bank.bool_value(kAgcIn) ? 8.0 + 0.6 * drive + 2.0 * wave(t, 13.0, b) : 0.0;
    const double comp =
        bank.bool_value(kCompIn) ? std::max(0.0, 4.0 + 0.5 * drive + 1.5 * noise()) : 0.0;
    record[kAgcBands + b] = gr_byte(agc);
    record[kCompBands + b] = gr_byte(comp);
    record[kCompMarkers + b] = gr_byte(comp * 0.6);
  }
  const bool fm_mb = bank.bool_value(kFmMbIn) != 0;
  const bool hd_mb = bank.bool_value(kHdMbIn) != 0;
  for (int k = 0; k < kBandCount; ++k) {
    const double shape = 1.0 + 0.8 * wave(k + 3.0 * t, 9.0);
    const double fm = fm_mb ? std::max(0.0, shape * (2.0 + 0.3 * drive) + 0.6 * noise()) : 0.0;
    record[kFmBands + k] = gr_byte(fm);
    record[kFmBandsClip + k] = gr_byte(fm * 1.2);
    record[kHdBands + k] = gr_byte(hd_mb ? fm * 0.8 : 0.0);
  }
  const double bass = std::max(0.0, 1.0 + 0.2 * drive + 0.5 * noise());
  record[kFmVbms] = gr_byte(bass);
  record[kHdVbms] = gr_byte(bass * 0.7);
  for (int c = 0; c < 2; ++c) {
    const double final_gr = std::max(0.0, 1.0 + 0.25 * (p.peak[c] + 6.0) + 0.4 * noise());
    record[kFmFinal + c] = gr_byte(bank.bool_value(kFmLimIn) ? final_gr : 0.0);
    record[kHdFinal + c] = gr_byte(bank.bool_value(kHdLimIn) ? final_gr * 0.8 : 0.0);
    record[kFmMpx + c] = gr_byte(std::max(0.0, 0.5 * final_gr - 0.3));
  }
  record[kBs412] = gr_byte(bank.bool_value(kBs412In) ? 1.5 + 1.0 * wave(t, 40.0) : 0.0);
}

void tcSimMeters::fill_spectrum(uint8_t* block, const Programme& p, double t, int chain) {
  const double level = 0.5 * (p.level[0] + p.level[1]);
  block[0] = 0;
  for (int k = 0; k < kBandCount; ++k) {
    // Each band has its own slow motion (the music), each bin a little jitter.
    const double band = level + band_shape(k, chain) + 3.0 * wave(t, 2.0 + 0.13 * k, k);
    for (int j = 0; j < kBinsPerBand; ++j) {
      const double bin = band - 0.2 * std::abs(j - 7) + 1.5 * noise();
      block[1 + k * kBinsPerBand + j] = bin_byte(bin);
    }
  }
  // The FM chain carries its 19 kHz pilot in the top band.
  if (chain == 0) block[1 + 30 * kBinsPerBand + 3] = bin_byte(-20.0);
}

void tcSimMeters::fill_scope(uint8_t* block, const Programme& p, double t, int chain) {
  const double amplitude = 110.0 * std::pow(10.0, std::max(-30.0, p.peak[0]) / 20.0);
  const double phase = kTwoPi * std::fmod(t * 0.37, 1.0);
  block[0] = 1;
  for (int n = 1; n < kAnalysisSize; ++n) {
    const double x = n / double(kAnalysisSize);
    double v = 0.6 * std::sin(kTwoPi * 3.0 * x + phase) + 0.25 * std::sin(kTwoPi * 11.0 * x) +
               0.08 * noise();
    if (chain == 1) v += 0.12 * std::sin(kTwoPi * 47.0 * x + 2.0 * phase);
    block[n] = static_cast<uint8_t>(std::clamp(std::lround(128.0 + amplitude * v), 0L, 255L));
  }
}

void tcSimMeters::build(uint8_t* record, double t, uint8_t tag, const tcSimState& state,
                        int64_t host_utc_seconds) {
  std::memset(record, 0, tcMeterRecord::kSize);
  std::memcpy(record, tcMeterRecord::kMagic, tcMeterRecord::kMagicSize);
  record[tcMeterRecord::kFormatOffset] = tcMeterRecord::kFormat;
  record[tcMeterRecord::kTagOffset] = tag;
  state.clock().fill_record(record, host_utc_seconds);

  const double dt = std::clamp(t - last_t_, 0.0, 1.0);
  last_t_ = t;
  const Programme p = programme(t);
  const float temperature = static_cast<float>(46.0 + 5.0 * wave(t, 300.0) + 0.2 * noise());
  tcLeBytes::put_f32(record + kTemperature, temperature);
  const uint32_t source = state.globals().int_value(tcSimState::kInputSourceId);
  // Lamp values: 0 good and in use, 1 good and standing by.
  record[kAnalogLamp] = source == 0 ? 0 : 1;
  record[kDigitalLamp] = source == 0 ? 1 : 0;
  fill_levels(record, p, dt, state);
  fill_reduction(record, p, t, state);

  const int chain = state.globals().int_value(tcSimState::kAnalysisChainId) == 1 ? 1 : 0;
  uint8_t* block = record + kAnalysis;
  if (state.globals().int_value(tcSimState::kAnalysisId) == kTypeOscilloscope)
    fill_scope(block, p, t, chain);
  else
    fill_spectrum(block, p, t, chain);
}
