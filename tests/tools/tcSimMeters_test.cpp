#include "tools/simulator/tcSimMeters.h"

#include <gtest/gtest.h>

#include "app/core/tcLeBytes.h"
#include "link/protocol/tcMeterRecord.h"
#include "tools/simulator/tcSimState.h"

namespace {

TEST(tcSimMeters, ValueBytesFollowTheDisplaysScales) {
  EXPECT_EQ(tcSimMeters::level_byte(0.0), 0);
  EXPECT_EQ(tcSimMeters::level_byte(-10.0), 40);
  EXPECT_EQ(tcSimMeters::level_byte(-100.0), 254) << "255 would mean no value";
  EXPECT_EQ(tcSimMeters::gr_byte(3.0), 12);
  EXPECT_EQ(tcSimMeters::gr_byte(-1.0), 0);
  EXPECT_EQ(tcSimMeters::bin_byte(0.0), 255);
  EXPECT_EQ(tcSimMeters::bin_byte(-50.0), 0);
  EXPECT_EQ(tcSimMeters::bin_byte(-49.9), 2) << "1 would read as -80 dB like 0";
}

TEST(tcSimMeters, RecordCarriesTagClockAndTheStagesThatAreIn) {
  tcSimState state;
  tcSimMeters meters;
  uint8_t record[tcMeterRecord::kSize];
  meters.build(record, 1.0, 42, state, 0);
  tcMeterRecord decoded;
  ASSERT_EQ(decoded.decode(record, sizeof record), 0);
  EXPECT_EQ(decoded.request_tag(), 42);
  EXPECT_EQ(record[tcSimMeters::kAgcBands], 0) << "AGC is out in a fresh bank";
  EXPECT_LT(record[tcSimMeters::kInputVu], 255);

  state.take(0, 0, 0);  // "Classic Rock" has AGC, compressor and final limiter in
  meters.build(record, 2.0, 42, state, 0);
  EXPECT_GT(record[tcSimMeters::kAgcBands], 0);
  EXPECT_GT(record[tcSimMeters::kCompBands], record[tcSimMeters::kCompMarkers]);
  const float temperature = tcLeBytes::get_f32(record + tcSimMeters::kTemperature);
  EXPECT_GT(temperature, 40.0f);
  EXPECT_LT(temperature, 52.0f);
}

TEST(tcSimMeters, AnalysisBlockFollowsTypeAndChain) {
  tcSimState state;
  tcSimMeters meters;
  uint8_t record[tcMeterRecord::kSize];
  const uint8_t* block = record + tcSimMeters::kAnalysis;
  const int top_band = 1 + 30 * tcSimMeters::kBinsPerBand;
  meters.build(record, 1.0, 0, state, 0);
  EXPECT_EQ(block[0] & 1, 0);
  const uint8_t fm_top = block[top_band];

  state.apply_global(ParamRecord::of_int(tcSimState::kAnalysisChainId, 1));
  meters.build(record, 1.0, 0, state, 0);
  EXPECT_GT(block[top_band], fm_top + 40) << "HD reaches 20 kHz, FM stops at 15 kHz";

  state.apply_global(ParamRecord::of_int(tcSimState::kAnalysisId, 1));
  meters.build(record, 1.0, 0, state, 0);
  EXPECT_EQ(block[0] & 1, 1);
  int low = 255, high = 0;
  for (int n = 1; n < tcSimMeters::kAnalysisSize; ++n) {
    low = std::min<int>(low, block[n]);
    high = std::max<int>(high, block[n]);
  }
  EXPECT_LT(low, 128);
  EXPECT_GT(high, 128);
}

}  // namespace
