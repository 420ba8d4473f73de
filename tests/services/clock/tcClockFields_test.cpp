#include "services/clock/tcClockFields.h"

#include <gtest/gtest.h>

#include "link/protocol/tcFrameView.h"

TEST(ClockFields, OffsetsAreHoursRoundedToWholeSeconds) {
  const struct {
    const char* text;
    int32_t seconds;
  } cases[] = {{"-5", -18000},   {"5.5", 19800},    {"-0.25", -900}, {" 1 .\t5", 5400},
               {"", 0},          {"abc", 0},        {"5.5h", 0},     {"-24", -86400},
               {"0.03125", 113}, {"-0.03125", -113}};  // 112.5 s: halves away from zero
  for (const auto& c : cases) {
    int32_t seconds = 77;
    EXPECT_EQ(tcClockFields::offset_seconds(QString::fromLatin1(c.text), seconds), 0) << c.text;
    EXPECT_EQ(seconds, c.seconds) << c.text;
  }
  int32_t seconds = 0;
  EXPECT_EQ(tcClockFields::offset_seconds("24.5", seconds), -1);
  EXPECT_EQ(tcClockFields::offset_seconds("1e10", seconds), -1);
  EXPECT_EQ(tcClockFields::offset_seconds("nan", seconds), -1);
  EXPECT_EQ(tcClockFields::offset_text(-18000), "-5.00");
  EXPECT_EQ(tcClockFields::offset_text(19800), "5.50");
}

TEST(ClockFields, ServerAddressesKeepTheirByteOrder) {
  const uint32_t address = tcClockFields::server_address("192.168.  1. 10");
  EXPECT_EQ(tcClockFields::server_text(address), "192.168.  1. 10");
  EXPECT_EQ(tcClockFields::server_address("..."), 0xFFFFFFFFu);
  EXPECT_EQ(tcClockFields::server_address("300.1.1.1"), 0xFFFFFFFFu);
}

TEST(ClockFields, TheMessageCarriesTheYearOffsetAndTheWeekdayFromSunday) {
  const uint32_t server = tcClockFields::server_address("10.0.0.2");
  // 4 January 2009 was a Sunday.
  tcFrame frame = tcApCodec::clock_set(tcClockFields::clock_set(
      QDate(2009, 1, 4), QTime(13, 4, 5), tcClockFields::kSntp, server, -18000));
  const uint8_t golden[28] = {0xA5, 0xA5, 28, 0, 0x00, 0x12, 9,  1, 4, 0, 13,   4,    5,    0,
                              0,    0,    1,  0, 0,    0,    10, 0, 0, 2, 0xB0, 0xB9, 0xFF, 0xFF};
  tcFrame::seal(frame.data(), frame.length());
  ASSERT_EQ(frame.length(), 28);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(frame.data()), 28),
            QByteArray(reinterpret_cast<const char*>(golden), 28));

  EXPECT_EQ(tcClockFields::clock_set(QDate(2009, 1, 10), QTime(), 0, 0, 0).weekday, 6);  // Saturday
  EXPECT_EQ(tcClockFields::clock_set(QDate(2009, 1, 5), QTime(), 0, 0, 0).weekday, 1);
  EXPECT_EQ(tcClockFields::clock_set(QDate(2009, 1, 5), QTime(), 0, 0, 0).mode, 0u);
}
