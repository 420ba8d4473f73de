#include "services/events/tcEventText.h"

#include <gtest/gtest.h>

#include <cstring>

#include "link/protocol/tcMeterRecord.h"
#include "link/transport/tcPresetDirectory.h"
#include "services/events/tsAPWeekEvent.h"

TEST(EventText, RowsShowDaysTimeAndPreset) {
  tcPresetDirectory directory;
  tcPresetHeader header;
  header.set_name("Rock Drive");
  directory.set(4, header);
  tcIddApGui::tsAPWeekEvent w;
  w.days = 0x22;  // Monday and Friday
  w.hour = 13;
  w.minute = 5;
  w.slot = 4;
  EXPECT_EQ(tcEventText::row(w.encode(), directory, true),
            (QStringList{"_M___F_", "13:05:00", "005 - Rock Drive"}));
  EXPECT_EQ(tcEventText::row(w.encode(), directory, false)[1], "01:05:00 pm");
  w.slot = 5;  // an empty slot
  EXPECT_EQ(tcEventText::row(w.encode(), directory, true)[2], "006 - ????");
  EXPECT_EQ(tcEventText::days(0x7F), "SMTWTFS");
  EXPECT_EQ(tcEventText::date(2, 29), "Feb 29");
  EXPECT_EQ(tcEventText::month_name(0), "Jan");
  EXPECT_EQ(tcEventText::month_name(13), "Dec");
  EXPECT_EQ(tcEventText::time(31, 63, 0, true), "31:63:00");
  EXPECT_TRUE(tcEventText::row({0x5u, 0}, directory, true).isEmpty());
}

TEST(EventText, TheClockLineNamesTheProcessorTime) {
  uint8_t bytes[tcMeterRecord::kSize] = {};
  std::memcpy(bytes, tcMeterRecord::kMagic, tcMeterRecord::kMagicSize);
  bytes[tcMeterRecord::kFormatOffset] = tcMeterRecord::kFormat;
  const uint8_t clock[] = {9, 1, 4, 0, 13, 4, 5};  // Sunday 4 January 2009, 13:04:05
  std::memcpy(bytes + tcMeterRecord::kYearOffset, clock, sizeof clock);
  tcMeterRecord record;
  ASSERT_EQ(record.decode(bytes, sizeof bytes), 0);
  EXPECT_EQ(tcEventText::clock_line(record, true), "QX770HD Time:  Sun, Jan 4, 2009  -  13:04:05");
  EXPECT_EQ(tcEventText::clock_line(record, false),
            "QX770HD Time:  Sun, Jan 4, 2009  -  01:04:05 pm");
  bytes[tcMeterRecord::kWeekdayOffset] = 9;
  bytes[tcMeterRecord::kHourOffset] = 0;
  ASSERT_EQ(record.decode(bytes, sizeof bytes), 0);
  EXPECT_EQ(tcEventText::clock_line(record, false),
            "QX770HD Time:  Sat, Jan 4, 2009  -  00:04:05 am");
}
