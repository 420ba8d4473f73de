// Bar geometry: positions, lit parts, markers and LED separators.
#include "metering/meters/tcBarScale.h"

#include <gtest/gtest.h>

TEST(tcBarScale, KindsGiveRangeStyleAndStartValue) {
  const struct {
    int kind, range;
    tcBarScale::Style style;
    uint8_t initial;
  } rows[] = {{0, 30, tcBarScale::kLevel, 0},       {1, 40, tcBarScale::kLevel, 0},
              {2, 60, tcBarScale::kLevel, 0},       {5, 60, tcBarScale::kLevel, 0},
              {6, 15, tcBarScale::kReduction, 255}, {7, 20, tcBarScale::kReduction, 255},
              {8, 30, tcBarScale::kReduction, 255}, {42, 30, tcBarScale::kLevel, 0}};
  for (const auto& r : rows) {
    const tcBarScale s(r.kind, tcBarScale::kVertical, 10, 100);
    EXPECT_EQ(s.range_db(), r.range) << r.kind;
    EXPECT_EQ(s.style(), r.style) << r.kind;
    EXPECT_EQ(s.initial_value(), r.initial) << r.kind;
  }
}

TEST(tcBarScale, PositionsFollowTheQuarterDbSteps) {
  const tcBarScale v(0, tcBarScale::kVertical, 10, 121);  // 30 dB over 120 pixel steps
  EXPECT_EQ(v.position(0), 0);
  EXPECT_EQ(v.position(60), 60);                           // -15 dB halfway
  EXPECT_EQ(v.position(120), 120);                         // -30 dB at the far end
  const tcBarScale h(1, tcBarScale::kHorizontal, 401, 8);  // 40 dB
  EXPECT_EQ(h.position(0), 401);
  EXPECT_EQ(h.position(80), 201);
  EXPECT_EQ(h.position(160), 1);
  EXPECT_LT(h.position(200), 0);  // beyond the range
}

TEST(tcBarScale, LevelBarLightsFullyAtZeroAndStaysDarkBeyondRange) {
  for (int o : {tcBarScale::kVertical, tcBarScale::kHorizontal}) {
    const tcBarScale s(0, o, 20, 200);
    EXPECT_EQ(s.lit_rect(0), QRect(0, 0, 20, 200)) << o;
    EXPECT_TRUE(s.lit_rect(200).isEmpty()) << o;  // -50 dB on a 30 dB bar
    EXPECT_TRUE(s.lit_rect(255).isEmpty()) << o;  // no value
  }
  // Vertical level bars light from the bottom up.
  const tcBarScale s(0, tcBarScale::kVertical, 20, 121);
  EXPECT_EQ(s.lit_rect(60), QRect(0, 60, 20, 61));
}

TEST(tcBarScale, ReductionBarGrowsFromFullScaleAndPegsBeyondRange) {
  const tcBarScale v(6, tcBarScale::kVertical, 10, 61);  // 15 dB
  EXPECT_TRUE(v.lit_rect(0).isEmpty());
  EXPECT_EQ(v.lit_rect(30), QRect(0, 0, 10, 30));  // 7.5 dB from the top down
  EXPECT_EQ(v.lit_rect(200), QRect(0, 0, 10, 61));
  const tcBarScale h(6, tcBarScale::kHorizontal, 61, 10);
  EXPECT_EQ(h.lit_rect(30), QRect(31, 0, 30, 10));  // from the right edge leftwards
  EXPECT_EQ(h.lit_rect(200), QRect(0, 0, 61, 10));
}

TEST(tcBarScale, MarkerRules) {
  const tcBarScale level(0, tcBarScale::kVertical, 10, 121);
  EXPECT_TRUE(level.marker_rect(40, 40).isEmpty());           // equal to the main value
  EXPECT_TRUE(level.marker_rect(40, 255).isEmpty());          // no value
  EXPECT_EQ(level.marker_rect(40, 20), QRect(0, 20, 10, 4));  // thickness 3 % limited to 4
  const tcBarScale gr(6, tcBarScale::kVertical, 10, 400);
  EXPECT_EQ(gr.marker_thickness(), 12);
  EXPECT_TRUE(gr.marker_rect(20, 30).isEmpty());  // more reduction than the bar: not drawn
  const int pos = gr.position(10);
  EXPECT_EQ(gr.marker_rect(20, 10), QRect(0, pos - 12, 10, 12));
  EXPECT_EQ(tcBarScale(0, tcBarScale::kHorizontal, 1000, 8).marker_thickness(), 16);
}

TEST(tcBarScale, SeparatorsOnlyWhenLedsAreAtLeastFourPixelsApart) {
  EXPECT_TRUE(tcBarScale::separators(300, 200).empty());  // 1.5 pixels apart
  EXPECT_TRUE(tcBarScale::separators(300, 0).empty());
  EXPECT_TRUE(tcBarScale::separators(300, 1).empty());
  EXPECT_EQ(tcBarScale::separators(300, 75).size(), 74u);  // exactly 4 apart
  EXPECT_TRUE(tcBarScale::separators(300, 76).empty());
  EXPECT_EQ(tcBarScale::separators(100, 3), (std::vector<int>{33, 67}));
}
