#include "params/SETTINGS.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct Report {
  uint16_t id;
  uint16_t set_index;
  int source;
};

struct Recorder {
  std::vector<Report> reports;
  static void hook(void* ctx, uint16_t id, uint16_t set_index, int source) {
    static_cast<Recorder*>(ctx)->reports.push_back({id, set_index, source});
  }
};

// A CRC-32 written out bit by bit, apart from the program's table-driven one.
uint32_t crc_of_words(const std::vector<uint32_t>& words) {
  uint32_t crc = 0xFFFFFFFFu;
  for (uint32_t w : words)
    for (int b = 0; b < 4; ++b) {
      crc ^= (w >> (8 * b)) & 0xFF;
      for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
  return ~crc;
}
}  // namespace

TEST(SETTINGS, DefaultsFromTheTable) {
  SETTINGS s;
  EXPECT_FLOAT_EQ(s.eng(0x1001), 0.0f);
  EXPECT_FLOAT_EQ(s.eng(0x1006), -20.0f);
  EXPECT_FLOAT_EQ(s.eng(0x1003), s.raw_to_eng(0x1003, s.eng_to_raw(0x1003, 80)));
  EXPECT_EQ(s.bool_value(0x1130), 1);
  EXPECT_EQ(s.int_value(0x1506), 1u);
  EXPECT_EQ(s.int_value(0x1613), 2u);
  EXPECT_FLOAT_EQ(s.eng(0x1611), 9.5f);
  EXPECT_EQ(s.raw(0x1801), 1360u);  // -12 dB on -80..0 in 0.05 steps
  EXPECT_EQ(s.raw(0x160C), 45u);    // 0 degrees on +-22.5 in 0.5 steps
  EXPECT_EQ(s.raw(0x1913), 161u);
  EXPECT_EQ(s.int_value(0x1200), 5u);
  EXPECT_EQ(s.name(0x1001), "Inp Analog Gain");
  EXPECT_EQ(s.name(0x1000), "???");
  EXPECT_FLOAT_EQ(s.float_min(0x1341), 0.0f);
  EXPECT_EQ(s.int_max(0x160F), 11u);
  EXPECT_EQ(s.count(), 457);
}

TEST(SETTINGS, SettersClampAndReportRealChangesOnly) {
  Recorder rec;
  SETTINGS s(&Recorder::hook, &rec, 3);
  EXPECT_TRUE(s.set_float(0x1001, 20, kSourceConsole));
  EXPECT_FLOAT_EQ(s.eng(0x1001), 12.0f);
  EXPECT_FALSE(s.set_float(0x1001, 20, kSourceConsole));
  ASSERT_EQ(rec.reports.size(), 1u);
  EXPECT_EQ(rec.reports[0].id, 0x1001);
  EXPECT_EQ(rec.reports[0].set_index, 3);
  EXPECT_EQ(rec.reports[0].source, kSourceConsole);

  EXPECT_TRUE(s.set_int(0x1005, 9, kSourceProcessor));  // a switch through the integer setter
  EXPECT_EQ(s.bool_value(0x1005), 1);
  EXPECT_TRUE(s.set_int(0x160F, 99, kSourceSilent));
  EXPECT_EQ(s.int_value(0x160F), 11u);
  EXPECT_TRUE(s.set_raw(0x1510, 0, kSourceLoaded));
  EXPECT_FLOAT_EQ(s.eng(0x1510), -6.0f);
  // Wrong type or unknown id: nothing happens.
  EXPECT_FALSE(s.set_float(0x1300, 1, kSourceConsole));
  EXPECT_FALSE(s.set_bool(0x1300, 1, kSourceConsole));
  EXPECT_FALSE(s.set_int(0x1001, 3, kSourceConsole));
  EXPECT_FALSE(s.set_raw(0x0FFF, 3, kSourceConsole));
  EXPECT_EQ(s.raw(0x0FFF), 0u);
  EXPECT_EQ(rec.reports.size(), 4u);
}

TEST(SETTINGS, DisplayTexts) {
  SETTINGS s;
  EXPECT_EQ(s.format(0x1001), " +0.0 dB");
  EXPECT_EQ(s.format(0x1005), "Out");
  EXPECT_EQ(s.format(0x150E), "Off");
  EXPECT_EQ(s.format(0x1341), "25.0 %");
  EXPECT_EQ(s.format(0x1402), "  -3.0dB");
  EXPECT_EQ(s.format(0x160C), " +0.0 \xB0");
  EXPECT_EQ(s.format(0x1910), "+0.550");
  EXPECT_EQ(s.format(0x1300), "0");
  EXPECT_EQ(s.format(0x1611), "OFF");
  EXPECT_EQ(s.format(0x0001), "????????");
  EXPECT_EQ(s.format_raw(0x0001, 0), "????????");

  s.set_float(0x1617, -80, kSourceSilent);
  EXPECT_EQ(s.format(0x1617), "OFF     ");
  s.set_float(0x1617, -79.95f, kSourceSilent);
  EXPECT_EQ(s.format(0x1617), "-79.95dB");
  EXPECT_EQ(s.format_raw(0x1801, 0), "OFF     ");
  EXPECT_EQ(s.format_raw(0x1433, 0), "OFF     ");  // table parameter: raw minimum is -80 dB
  EXPECT_EQ(s.format_raw(0x1433, 1), "-79.0 dB");
  EXPECT_EQ(s.format_raw(0x1200, 7), "[7]");
  EXPECT_EQ(s.format_raw(0x1209, 70), "[10]");
  EXPECT_EQ(s.format(0x1805), "+");
  EXPECT_EQ(s.format_raw(0x1805, 1), "-");

  char buf[4];
  EXPECT_EQ(s.format(0x1001, buf, sizeof buf), 3);
  EXPECT_STREQ(buf, " +0");
  EXPECT_EQ(s.name(0x1001, buf, sizeof buf), 3);
  EXPECT_STREQ(buf, "Inp");
}

TEST(SETTINGS, GroupCheckSumsOfTheDefaultSet) {
  SETTINGS s;
  uint16_t n = 0;
  EXPECT_EQ(s.checksum(tcSettings::kNormal, &n), 0xD607DB1Eu);
  EXPECT_EQ(n, 406);
  EXPECT_EQ(s.checksum(tcSettings::kIo, &n), 0x13750AD9u);
  EXPECT_EQ(n, 23);
  EXPECT_EQ(s.checksum(tcSettings::kSecret, &n), 0x67038106u);
  EXPECT_EQ(n, 28);

  // Secret group: exactly the clipper parameters, by raw value in table order.
  std::vector<uint32_t> words;
  for (uint16_t id = s.first_id(); id != 0xFFFF; id = s.next_id(id))
    if (id == 0x1901 || (id >= 0x1910 && id <= 0x1938)) words.push_back(s.raw(id));
  ASSERT_EQ(words.size(), 28u);
  s.set_raw(0x1925, 7, kSourceSilent);
  words[15] = 7;  // Crip X6
  EXPECT_EQ(s.checksum(tcSettings::kSecret, &n), crc_of_words(words));
  // A switch adds 0 or 1 and a float its raw index, so the normal sum moves with them.
  const uint32_t before = s.checksum(tcSettings::kNormal, nullptr);
  s.set_bool(0x1005, 1, kSourceSilent);
  EXPECT_NE(s.checksum(tcSettings::kNormal, nullptr), before);
}

TEST(SETTINGS, CopyWithMaskAndResetByMask) {
  SETTINGS from, to;
  from.set_float(0x1001, -6, kSourceSilent);  // follow-I/O
  from.set_float(0x1006, -30, kSourceSilent);
  from.set_bool(0x1005, 1, kSourceSilent);
  from.set_int(0x160F, 4, kSourceSilent);
  from.set_float(0x1910, 0.6f, kSourceSilent);  // secret, copied like any other

  EXPECT_EQ(tcSettings::copy(&from, &to, 1), -1);
  EXPECT_EQ(tcSettings::copy(nullptr, &to, 0), -1);
  EXPECT_EQ(tcSettings::copy(&from, nullptr, 0), -1);

  Recorder rec;
  to.set_callback(&Recorder::hook, &rec);
  ASSERT_EQ(tcSettings::copy(&from, &to, tcSettings::kMaskSkipIo), 0);
  EXPECT_FLOAT_EQ(to.eng(0x1001), 0.0f);
  EXPECT_FLOAT_EQ(to.eng(0x1006), -30.0f);
  EXPECT_EQ(to.bool_value(0x1005), 1);
  EXPECT_EQ(to.int_value(0x160F), 4u);
  EXPECT_EQ(to.raw(0x1910), from.raw(0x1910));
  ASSERT_EQ(rec.reports.size(), 4u);
  for (const Report& r : rec.reports) EXPECT_EQ(r.source, kSourceLoaded);

  ASSERT_EQ(tcSettings::copy(&from, &to, 0), 0);
  EXPECT_FLOAT_EQ(to.eng(0x1001), -6.0f);
  uint16_t n;
  for (auto g : {tcSettings::kNormal, tcSettings::kIo, tcSettings::kSecret})
    EXPECT_EQ(to.checksum(g, &n), from.checksum(g, &n));

  rec.reports.clear();
  to.reset(tcSettings::kMaskSkipIo);
  EXPECT_TRUE(rec.reports.empty());  // resets are silent
  EXPECT_FLOAT_EQ(to.eng(0x1001), -6.0f);
  EXPECT_FLOAT_EQ(to.eng(0x1006), -20.0f);
  EXPECT_EQ(to.int_value(0x160F), 0u);
  to.reset(0);
  EXPECT_FLOAT_EQ(to.eng(0x1001), 0.0f);
  SETTINGS fresh;
  EXPECT_EQ(to.checksum(tcSettings::kNormal, &n), fresh.checksum(tcSettings::kNormal, &n));
}

TEST(SETTINGS, FineAdjustResetReportsEveryValue) {
  Recorder rec;
  SETTINGS s(&Recorder::hook, &rec, 2);
  s.set_int(0x1203, 9, kSourceSilent);
  rec.reports.clear();
  s.reset_fine_adjust(kSourceConsole);
  EXPECT_EQ(s.int_value(0x1203), 5u);
  ASSERT_EQ(rec.reports.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(rec.reports[i].id, 0x1200 + i);
    EXPECT_EQ(rec.reports[i].set_index, 2);
    EXPECT_EQ(rec.reports[i].source, kSourceConsole);
  }
}
