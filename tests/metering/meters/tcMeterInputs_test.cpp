// Where the meter panels read the record, FM and HD chains.
#include "metering/meters/tcMeterInputs.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/protocol/tcMeterRecord.h"

namespace {

// A record whose meter bytes each hold their own offset (so a wrong offset shows).
tcMeterRecord numbered() {
  std::vector<uint8_t> bytes(tcMeterRecord::kSize, 0);
  std::copy(tcMeterRecord::kMagic, tcMeterRecord::kMagic + tcMeterRecord::kMagicSize,
            bytes.begin());
  bytes[tcMeterRecord::kFormatOffset] = tcMeterRecord::kFormat;
  for (size_t i = 40; i < 184; ++i) bytes[i] = static_cast<uint8_t>(i);
  tcMeterRecord r;
  EXPECT_EQ(r.decode(bytes.data(), bytes.size()), 0);
  return r;
}

tcMeterRecord with(tcMeterRecord r, std::initializer_list<std::pair<int, uint8_t>> changes) {
  std::vector<uint8_t> bytes(r.bytes(), r.bytes() + tcMeterRecord::kSize);
  for (auto [at, v] : changes) bytes[static_cast<size_t>(at)] = v;
  r.decode(bytes.data(), bytes.size());
  return r;
}

}  // namespace

TEST(tcMeterInputs, FmChainTakesTheSmallerOfLimiterAndClipper) {
  const tcMeterRecord r =
      with(numbered(), {{83 + 5, 200}, {114 + 5, 7}, {78, 9}, {79, 3}, {80, 1}});
  const tcMeterInputs::Gr in = tcMeterInputs::gr(r, 0);
  EXPECT_EQ(in[0], 69);
  EXPECT_EQ(in[1], 59);
  EXPECT_EQ(in[5], 63);
  EXPECT_EQ(in[6], 64);
  EXPECT_EQ(in[10], 68);
  EXPECT_EQ(in[11], 82);
  EXPECT_EQ(in[12], 83);  // smaller of 83 and 114
  EXPECT_EQ(in[12 + 5], 7);
  EXPECT_EQ(in[42], 83 + 30);
  EXPECT_EQ(in[43], 3);
  EXPECT_EQ(in[44], 1);
  EXPECT_EQ(in[45], 183);
}

TEST(tcMeterInputs, HdChainHasNoMpxOrBs412) {
  const tcMeterRecord r = with(numbered(), {{149, 160}, {150, 155}});
  const tcMeterInputs::Gr in = tcMeterInputs::gr(r, 1);
  EXPECT_EQ(in[0], 69);
  EXPECT_EQ(in[11], 151);
  EXPECT_EQ(in[12], 152);
  EXPECT_EQ(in[42], 182);
  EXPECT_EQ(in[43], 155);
  EXPECT_EQ(in[44], 255);
  EXPECT_EQ(in[45], 255);
}

TEST(tcMeterInputs, VuTakesFourStereoMetersThenTheirMarkers) {
  const tcMeterInputs::Vu in = tcMeterInputs::vu(numbered());
  const uint8_t expected[16] = {46, 47, 74, 75, 70, 71, 145, 146, 48, 49, 76, 77, 72, 73, 147, 148};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(in[static_cast<size_t>(i)], expected[i]) << i;
}
