#include "params/MAP_FLOAT.h"

#include <gtest/gtest.h>

#include <cmath>

#include "params/tcValueTables.h"

namespace {
MAP_FLOAT gain_map(float def, float min, float max) {
  return MAP_FLOAT(0x1001, def, min, max, tcValueTables::entries(tcValueTable::kGain),
                   tcValueTables::count(tcValueTable::kGain), "Gain");
}
}  // namespace

TEST(MAP_FLOAT, TableSearchTakesNearestEntryAndLowerOnTie) {
  MAP_FLOAT m = gain_map(0, -80, 57.5f);
  EXPECT_EQ(m.exponent(), 8);
  EXPECT_EQ(m.eng_to_raw(-60.2f), 20u);  // -60.0 is 0.2 away, -61.0 is 0.8
  EXPECT_EQ(m.eng_to_raw(-60.5f), 19u);  // exact middle: the lower index
  EXPECT_EQ(m.eng_to_raw(-80.0f), 0u);
  EXPECT_EQ(m.eng_to_raw(57.5f), 255u);
  EXPECT_EQ(m.eng_to_raw(57.3f), 255u);
  EXPECT_EQ(m.eng_to_raw(0.24f), 140u);
  EXPECT_EQ(m.eng_to_raw(0.26f), 141u);
  for (uint32_t i = 0; i < 256; ++i) EXPECT_EQ(m.eng_to_raw(m.raw_to_eng(i)), i);
}

TEST(MAP_FLOAT, PartialTableRangeClampsBothWays) {
  MAP_FLOAT m = gain_map(30, -36, 12);  // default above the maximum becomes the maximum
  EXPECT_FLOAT_EQ(m.default_eng(), 12.0f);
  EXPECT_EQ(m.raw_min(), m.eng_to_raw(-36));
  EXPECT_EQ(m.raw_max(), m.eng_to_raw(12));
  EXPECT_FLOAT_EQ(m.eng(), 12.0f);
  EXPECT_FALSE(m.set_eng(80));  // clamps to +12, already there
  EXPECT_TRUE(m.set_raw(0));
  EXPECT_EQ(m.raw(), m.raw_min());
  EXPECT_FLOAT_EQ(m.eng(), -36.0f);
  EXPECT_FLOAT_EQ(m.raw_to_eng(255), 12.0f);
  EXPECT_EQ(m.format_raw(255), "+12.0 dB");  // formats the clamped value
  EXPECT_EQ(m.eng_to_raw(NAN), m.raw_min());
}

TEST(MAP_FLOAT, LinearStepsUseWidenedResolution) {
  EXPECT_EQ(MAP_FLOAT::steps(-6, 6, 0.05f), 240u);
  EXPECT_EQ(MAP_FLOAT::steps(0.4f, 0.7f, 0.001f), 300u);
  EXPECT_EQ(MAP_FLOAT::steps(-22.5f, 22.5f, 0.5f), 90u);
  EXPECT_EQ(MAP_FLOAT::steps(-3, 3, 0.1f), 60u);
  EXPECT_EQ(MAP_FLOAT::steps(0, 0.999f, 0.001f), 999u);

  MAP_FLOAT lift(0x1800, 0, -6, 6, nullptr, 240, "Lift");
  EXPECT_EQ(lift.exponent(), 0);
  EXPECT_EQ(lift.raw_min(), 0u);
  EXPECT_EQ(lift.raw_max(), 240u);
  EXPECT_EQ(lift.raw(), 120u);
  EXPECT_EQ(lift.format(), "+0.0");  // "%+4.1f" when no format is set
  EXPECT_TRUE(lift.set_raw(1000));
  EXPECT_EQ(lift.raw(), 240u);
  EXPECT_FLOAT_EQ(lift.eng(), 6.0f);

  MAP_FLOAT fine(0x1910, 0.55f, 0.4f, 0.7f, nullptr, MAP_FLOAT::steps(0.4f, 0.7f, 0.001f), "F1");
  ASSERT_TRUE(fine.set_format("% +5.3f"));
  EXPECT_EQ(fine.raw(), 150u);
  EXPECT_EQ(fine.format(), "+0.550");
  EXPECT_TRUE(fine.set_eng(0.4f));
  EXPECT_TRUE(fine.reset());
  EXPECT_EQ(fine.raw(), 150u);
}

TEST(MAP_FLOAT, SameValueTwiceReportsOnce) {
  MAP_FLOAT m = gain_map(0, -12, 12);
  EXPECT_TRUE(m.set_eng(3));
  EXPECT_FALSE(m.set_eng(3));
  EXPECT_FALSE(m.set_raw(m.raw()));
  EXPECT_TRUE(m.reset());
  EXPECT_FALSE(m.reset());
}

TEST(MAP_FLOAT, DegenerateRangesStayInRange) {
  MAP_FLOAT flat(1, 5, 5, 5, nullptr, 0, "Flat");
  EXPECT_EQ(flat.raw(), 0u);
  EXPECT_FLOAT_EQ(flat.eng(), 5.0f);
  // A table whose size is no power of two is still searched over all its entries.
  static const tcMapEntry odd[3] = {{1, "a"}, {2, "b"}, {3, "c"}};
  MAP_FLOAT three(2, 3, 1, 3, odd, 3, "Odd");
  EXPECT_EQ(three.exponent(), 0);
  EXPECT_EQ(three.raw(), 2u);
  EXPECT_EQ(three.format(), "c");
}

TEST(MAP_FLOAT, FormatMustHoldOneFloatingConversion) {
  MAP_FLOAT m(1, 0, -6, 6, nullptr, 240, "M");
  EXPECT_TRUE(m.set_format("% +6.2fdB"));
  EXPECT_EQ(m.format(), " +0.00dB");
  EXPECT_FALSE(m.set_format("%s"));
  EXPECT_EQ(m.display_format(), nullptr);
  EXPECT_FALSE(m.set_format("%d"));
  EXPECT_FALSE(m.set_format("%f %f"));
  EXPECT_TRUE(m.set_format("%3.1f %%"));
  EXPECT_TRUE(m.set_format(nullptr));
  EXPECT_EQ(m.format(), "+0.0");
}
