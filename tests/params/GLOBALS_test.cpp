#include "params/GLOBALS.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct Recorder {
  std::vector<std::pair<uint16_t, int>> reports;
  static void hook(void* ctx, uint16_t id, int source) {
    static_cast<Recorder*>(ctx)->reports.emplace_back(id, source);
  }
};
}  // namespace

TEST(GLOBALS, DefaultsAndTexts) {
  GLOBALS g;
  EXPECT_EQ(g.int_value(0x2003), 50u);
  EXPECT_EQ(g.int_value(0x2004), 7u);
  EXPECT_EQ(g.format(0x2004), " 1.0 kHz");
  EXPECT_EQ(g.format(0x2000), "Out");
  EXPECT_EQ(g.format(0x3000), "Analog");
  EXPECT_EQ(g.name(0x2001), "DELAY   ");
  EXPECT_EQ(g.float_map(0x2001), nullptr);
  EXPECT_NE(g.int_map(0x2001), nullptr);
  EXPECT_EQ(g.format(0x5000), "????????");

  g.set_int(0x2008, 0x1234ABCD, kSourceSilent);
  EXPECT_EQ(g.format(0x2008), "1234ABCD");
  g.set_int(0x3001, 5, kSourceSilent);
  EXPECT_EQ(g.format(0x3001), "Solvanix-IP");
  g.set_int(0x200C, 9, kSourceSilent);
  EXPECT_EQ(g.int_value(0x200C), 5u);
  g.set_int(0x2004, 17, kSourceSilent);
  EXPECT_EQ(g.format(0x2004), "Bessel  ");
  g.set_int(0x2004, 21, kSourceSilent);  // past the 21 records
  EXPECT_EQ(g.format(0x2004), "21");
}

TEST(GLOBALS, DelayTexts) {
  GLOBALS g;
  EXPECT_EQ(g.format(0x2001), "OFF     ");
  EXPECT_EQ(g.format_raw(0x2001, 1), "   0.1mS");
  EXPECT_EQ(g.format_raw(0x2001, 12345), "1234.5mS");
  EXPECT_EQ(g.format_raw(0x2001, 99999), "9999.9mS");
  EXPECT_EQ(g.format_raw(0x2001, 100000), "10.0000S");
  EXPECT_EQ(g.format_raw(0x2001, 0xFFFFFFFF), "10.0000S");
}

TEST(GLOBALS, ChangesReportedWithSource) {
  Recorder rec;
  GLOBALS g(&Recorder::hook, &rec);
  EXPECT_TRUE(rec.reports.empty());  // the start-up reset is silent
  EXPECT_TRUE(g.set_bool(0x2006, 1, kSourceProcessor));
  EXPECT_FALSE(g.set_bool(0x2006, 1, kSourceProcessor));
  EXPECT_FALSE(g.set_float(0x2003, 1, kSourceConsole));
  ASSERT_EQ(rec.reports.size(), 1u);
  EXPECT_EQ(rec.reports[0], std::make_pair(uint16_t{0x2006}, 3));
}
