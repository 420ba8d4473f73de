#include "services/events/tcEventSchedule.h"

#include <gtest/gtest.h>

#include "link/protocol/tcApCodec.h"
#include "link/protocol/tcFrameView.h"
#include "services/events/tcEventSamples.h"

using tcIddApGui::tsAPEvent;
using tcIddApGui::tsAPLongEvent;
using tcIddApGui::tsAPWeekEvent;

namespace {

tcApCodec::EventPart read(const tcFrame& frame) {
  tcApCodec::EventPart part;
  EXPECT_EQ(tcApCodec::read_event_part(tcFrameView(frame.data(), frame.length()), part), 0);
  return part;
}

}  // namespace

TEST(EventSchedule, SendsInPartsOf128OrAsTheEmptySchedule) {
  std::vector<tsAPEvent> events;
  for (uint32_t i = 0; i < 129; ++i) events.push_back(week(1, i % 80));
  const std::vector<tcFrame> frames = tcEventSchedule::parts(events);
  ASSERT_EQ(frames.size(), 2u);
  const tcApCodec::EventPart first = read(frames[0]), second = read(frames[1]);
  EXPECT_EQ(frames[1].length(), tcApCodec::kEventPartLength);
  EXPECT_EQ(first.part, 1);
  EXPECT_EQ(first.parts, 2);
  EXPECT_EQ(first.claimed, 128);
  EXPECT_EQ(second.part, 2);
  EXPECT_EQ(second.claimed, 1);
  EXPECT_EQ(second.events.event(0), events[128]);

  const std::vector<tcFrame> empty = tcEventSchedule::parts({});
  ASSERT_EQ(empty.size(), 1u);
  const tcApCodec::EventPart none = read(empty[0]);
  EXPECT_EQ(none.part, 1);
  EXPECT_EQ(none.parts, 1);
  EXPECT_EQ(none.claimed, 0);
  EXPECT_EQ(tcEventSchedule::parts(std::vector<tsAPEvent>(256, week(1, 0))).size(), 2u);
}

TEST(EventSchedule, TheViewHidesWeeklyEventsThatAreStillSent) {
  tcEventSchedule s;
  const tsAPEvent monday = week(2, 1), sunday = week(1, 2), weekend = week(0x41, 3);
  s.load({monday, long_term(4), sunday, {0x5u, 9}, weekend});  // kind 5 is left out
  EXPECT_EQ(s.count(), 4);
  s.set_filter(1);  // SUN
  EXPECT_EQ(s.week(), (std::vector<tsAPEvent>{sunday, weekend}));
  EXPECT_EQ(s.hidden(), (std::vector<tsAPEvent>{monday}));
  // Visible, hidden, then long-term.
  EXPECT_EQ(s.outgoing(), (std::vector<tsAPEvent>{sunday, weekend, monday, long_term(4)}));
  EXPECT_EQ(s.outgoing(2).size(), 2u);
  s.set_filter(tcEventSchedule::kAllDays);
  EXPECT_EQ(s.week(), (std::vector<tsAPEvent>{sunday, weekend, monday}));
  EXPECT_TRUE(s.hidden().empty());
}

TEST(EventSchedule, RowsKeepTheirListsKind) {
  tcEventSchedule s;
  s.add(tcEventSchedule::kWeekly, long_term(5));  // added to the weekly list: made weekly
  s.add(tcEventSchedule::kLongTerm, week(2, 6));
  EXPECT_TRUE(tsAPWeekEvent::matches(s.week()[0]));
  EXPECT_TRUE(tsAPLongEvent::matches(s.long_term()[0]));
  EXPECT_EQ(s.replace(tcEventSchedule::kWeekly, 0, week(4, 7)), 0);
  EXPECT_EQ(s.replace(tcEventSchedule::kWeekly, 1, week(4, 7)), -1);
  EXPECT_EQ(s.week()[0].word1, 7u);
  s.add(tcEventSchedule::kWeekly, week(8, 8));
  s.add(tcEventSchedule::kWeekly, week(16, 9));
  s.remove(tcEventSchedule::kWeekly, {0, 2, 5});
  ASSERT_EQ(s.week().size(), 1u);
  EXPECT_EQ(s.week()[0].word1, 8u);
}
