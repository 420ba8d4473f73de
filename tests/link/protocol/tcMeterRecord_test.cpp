#include "link/protocol/tcMeterRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A record as the processor sends it: 2026-12-08 (a Tuesday) 13:45:07, SNTP from
// 192.168.1.20, one hour west of UTC, a few meter readings.
std::vector<uint8_t> golden_record() {
  std::vector<uint8_t> r(684, 0);
  std::memcpy(r.data(), "TOLVANEMETERMSG_", 16);
  const uint8_t head[] = {
      2,    7,    0xAA, 0xBB,             // format, tag, not interpreted
      26,   12,   8,    2,    13, 45, 7,  // clock
      0,    0,    0,    1,    0,          // not interpreted, SNTP mode
      192,  168,  1,    20,               // SNTP server
      0xF0, 0xF1, 0xFF, 0xFF,             // -3600 s
      0,    8,    254,  255,              // first meter readings
  };
  std::memcpy(r.data() + 16, head, sizeof head);
  r[183] = 100;  // last meter reading
  r[184] = 0x5A;
  r[683] = 0xA5;
  return r;
}

}  // namespace

TEST(tcMeterRecord, DecodesTheGoldenRecord) {
  const auto bytes = golden_record();
  tcMeterRecord rec;
  ASSERT_EQ(rec.decode(bytes.data(), bytes.size()), 0);
  EXPECT_EQ(rec.format(), 2);
  EXPECT_EQ(rec.request_tag(), 7);
  EXPECT_EQ(rec.year(), 2026);
  EXPECT_EQ(rec.month(), 12);
  EXPECT_EQ(rec.day(), 8);
  EXPECT_EQ(rec.weekday(), 2);
  EXPECT_EQ(rec.hour(), 13);
  EXPECT_EQ(rec.minute(), 45);
  EXPECT_EQ(rec.second(), 7);
  EXPECT_TRUE(rec.sntp_mode());
  EXPECT_EQ(rec.sntp_server(), (std::array<uint8_t, 4>{192, 168, 1, 20}));
  EXPECT_EQ(rec.time_zone_offset(), -3600);
  EXPECT_EQ(rec.meter(0), 0);
  EXPECT_EQ(rec.meter(1), 8);
  EXPECT_FLOAT_EQ(tcMeterRecord::level_db(rec.meter(1)), -2.0f);
  EXPECT_EQ(rec.meter(2), 254);
  EXPECT_EQ(rec.meter(3), tcMeterRecord::kNoValue);
  EXPECT_EQ(rec.meter(143), 100);
  EXPECT_EQ(rec.meter(144), tcMeterRecord::kNoValue);  // past the readings
  EXPECT_EQ(rec.analysis()[0], 0x5A);
  EXPECT_EQ(rec.byte(683), 0xA5);
  EXPECT_EQ(rec.byte(684), 0);
  EXPECT_EQ(std::memcmp(rec.bytes(), bytes.data(), bytes.size()), 0);
}

TEST(tcMeterRecord, RejectsWhatIsNotOneWholeRecordAndKeepsThePrevious) {
  auto bytes = golden_record();
  tcMeterRecord rec;
  ASSERT_EQ(rec.decode(bytes.data(), bytes.size()), 0);

  auto longer = bytes;
  longer.push_back(0);
  EXPECT_EQ(rec.decode(bytes.data(), 683), -1);
  EXPECT_EQ(rec.decode(longer.data(), longer.size()), -1);
  EXPECT_EQ(rec.decode(nullptr, 684), -1);
  EXPECT_EQ(rec.decode(bytes.data(), 0), -1);

  auto bad_magic = bytes;
  bad_magic[15] = '-';
  EXPECT_FALSE(tcMeterRecord::is_record(bad_magic.data(), bad_magic.size()));
  auto bad_format = bytes;
  bad_format[16] = 1;
  EXPECT_EQ(rec.decode(bad_format.data(), bad_format.size()), -1);
  bad_format[16] = 2;
  bad_format[17] = 99;  // any tag: the tag is the listener's to judge
  EXPECT_TRUE(tcMeterRecord::is_record(bad_format.data(), bad_format.size()));

  EXPECT_EQ(rec.request_tag(), 7);  // the failed decodes changed nothing
}

TEST(tcMeterRecord, ClockComparisonIgnoresTheDayOfWeek) {
  auto bytes = golden_record();
  tcMeterRecord a, b;
  ASSERT_EQ(a.decode(bytes.data(), bytes.size()), 0);
  bytes[23] = 5;
  ASSERT_EQ(b.decode(bytes.data(), bytes.size()), 0);
  EXPECT_TRUE(a.same_clock(b));
  for (size_t offset : {20, 21, 22, 24, 25, 26}) {
    auto changed = bytes;
    changed[offset] ^= 1;
    ASSERT_EQ(b.decode(changed.data(), changed.size()), 0);
    EXPECT_FALSE(a.same_clock(b)) << offset;
  }
}
