#include "params/MAP_INT.h"

#include <gtest/gtest.h>

#include "params/MAP_BOOL.h"

TEST(MAP_INT, ClampsAndReportsOnlyChanges) {
  MAP_INT m(0x1440, 9, 0, 2, "SST In");
  EXPECT_EQ(m.default_value(), 2u);  // clamped default
  EXPECT_EQ(m.value(), 2u);
  EXPECT_FALSE(m.set_raw(7));
  EXPECT_TRUE(m.set_raw(1));
  EXPECT_FALSE(m.set_raw(1));
  EXPECT_TRUE(m.reset());
  EXPECT_EQ(m.format_raw(0xFFFFFFFF), "2");

  MAP_INT wide(0x2008, 0, 0, 0xFFFFFFFF, "RemotePw");
  EXPECT_TRUE(wide.set_raw(0xDEADBEEF));
  EXPECT_EQ(wide.value(), 0xDEADBEEF);
  ASSERT_TRUE(wide.set_format("%08X"));
  EXPECT_EQ(wide.format(), "DEADBEEF");
  EXPECT_FALSE(wide.set_format("%f"));
  EXPECT_EQ(wide.format(), "-559038737");  // back to "%d"
}

TEST(MAP_INT, LabelsCoverOnlyTheirCount) {
  static const char* const sources[3] = {"Analog", "Digital", "AES"};
  MAP_INT list(0x3000, 0, 0, 2, sources, 3, "InpSourc");
  EXPECT_EQ(list.format_raw(1), "Digital");
  EXPECT_EQ(list.format_raw(9), "AES");

  static const tcMapEntry tones[2] = {{50, "  50  Hz"}, {100, " 100  Hz"}};
  MAP_INT records(0x2004, 1, 0, 0xFFFFFFFF, tones, 2, "FM FREQ ");
  EXPECT_EQ(records.format(), " 100  Hz");
  EXPECT_EQ(records.format_raw(40), "40");  // beyond the records: the number
}

TEST(MAP_BOOL, AnyNonZeroIsOneAndPicksSecondLabel) {
  MAP_BOOL m(0x1005, 0, "Inp AMono In");
  EXPECT_EQ(m.format(), "Out");
  EXPECT_TRUE(m.set_raw(7));
  EXPECT_EQ(m.raw(), 1u);
  EXPECT_EQ(m.format(), "In");
  EXPECT_FALSE(m.set_raw(2));
  EXPECT_EQ(m.format_raw(0x100), "In");
  EXPECT_EQ(m.raw_max(), 1u);
  EXPECT_TRUE(m.reset());
  EXPECT_FALSE(m.reset());

  static const char* const off_on[2] = {"Off", "On"};
  MAP_BOOL labelled(0x150E, 5, off_on, "FM VBMS Sub On");
  EXPECT_EQ(labelled.default_value(), 1);
  EXPECT_EQ(labelled.format(), "On");
}
