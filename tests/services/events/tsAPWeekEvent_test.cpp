#include "services/events/tsAPWeekEvent.h"

#include <gtest/gtest.h>

#include "services/events/tsAPLongEvent.h"

using tcIddApGui::tsAPEvent;
using tcIddApGui::tsAPLongEvent;
using tcIddApGui::tsAPWeekEvent;

TEST(EventWords, WeeklyAndLongTermEventsPackToTheirGoldenWords) {
  tsAPWeekEvent w;
  w.days = tsAPWeekEvent::kAllDays;
  w.hour = 23;
  w.minute = 59;
  w.second = 59;
  w.slot = 79;
  const tsAPEvent week = w.encode();
  EXPECT_EQ(week.word0, 0xEFBBFF01u);
  EXPECT_EQ(week.word1, 79u);

  tsAPLongEvent l;
  l.month = 12;
  l.day = 31;
  l.hour = 23;
  l.minute = 59;
  l.second = 59;
  const tsAPEvent year_end = l.encode();
  EXPECT_EQ(year_end.word0, 0x77DDFF82u);

  // Monday at 06:30:15.
  const tsAPEvent monday{0x3DE30201u, 3};
  const tsAPWeekEvent m = tsAPWeekEvent::decode(monday);
  EXPECT_EQ(m.days, 2);
  EXPECT_EQ(m.hour, 6);
  EXPECT_EQ(m.minute, 30);
  EXPECT_EQ(m.second, 15);
  EXPECT_EQ(m.slot, 3u);
  EXPECT_EQ(m.encode(), monday);
}

TEST(EventWords, TheKindIsTheLowThreeBits) {
  EXPECT_TRUE(tsAPWeekEvent::matches({0xEFBBFF01u, 0}));
  EXPECT_FALSE(tsAPLongEvent::matches({0xEFBBFF01u, 0}));
  EXPECT_TRUE(tsAPLongEvent::matches({0x77DDFF82u, 0}));
  EXPECT_FALSE(tsAPWeekEvent::matches({0x5u, 0}));  // kind 5
  // The encoder writes nothing but its fields.
  tsAPLongEvent l;
  l.month = 0xFF;  // cut to the month's four bits
  EXPECT_EQ(l.encode().word0, tsAPLongEvent::kKind | (0xFu << 5) | (1u << 9));
}
