#include "params/tcLiveSettings.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct Recorder {
  std::vector<std::pair<uint16_t, uint16_t>> reports;  // id, set index
  static void hook(void* ctx, uint16_t id, uint16_t set_index, int) {
    static_cast<Recorder*>(ctx)->reports.emplace_back(id, set_index);
  }
};
}  // namespace

TEST(tcLiveSettings, SlotsReportWithTheirIndex) {
  Recorder rec;
  tcLiveSettings live(&Recorder::hook, &rec);
  ASSERT_EQ(live.slot_count(), 8);
  EXPECT_EQ(live.current_slot(), 0);
  EXPECT_EQ(live.current(), live.set(0));
  EXPECT_EQ(live.set(8), nullptr);
  for (uint16_t i = 0; i < 8; ++i) EXPECT_EQ(live.set(i)->set_index(), i);
  live.set(5)->set_bool(0x1005, 1, kSourceConsole);
  live.set(0)->set_bool(0x1005, 1, kSourceProcessor);
  ASSERT_EQ(rec.reports.size(), 2u);
  EXPECT_EQ(rec.reports[0], std::make_pair(uint16_t{0x1005}, uint16_t{5}));
  EXPECT_EQ(rec.reports[1], std::make_pair(uint16_t{0x1005}, uint16_t{0}));
  live.set_current_slot(9);
  EXPECT_EQ(live.current(), nullptr);
}

TEST(tcLiveSettings, HeadersStartUnknownAndCopyOnChange) {
  tcLiveSettings live;
  tcPresetHeader h;
  ASSERT_EQ(live.get_header(7, &h), 0);
  EXPECT_EQ(h.name_text(), "Unknown");
  EXPECT_EQ(live.get_header(8, &h), -1);

  tcPresetHeader in;
  in.set_name("News");
  in.status = 2;
  in.word_a = 5;
  EXPECT_EQ(live.set_header(8, in), -1);
  EXPECT_EQ(live.set_header(1, in), 0);
  ASSERT_EQ(live.get_header(1, &h), 0);
  EXPECT_EQ(h.name_text(), "News");
  EXPECT_EQ(h.status, 0);  // cleared on a live slot
  EXPECT_EQ(h.word_a, 0u);
  in.status = 0;
  EXPECT_EQ(live.set_header(1, in), -1);  // equal now: nothing to do

  EXPECT_EQ(live.set_map_version(1, tcPresetHeader::kVersionTweaked), 0);
  live.get_header(1, &h);
  EXPECT_EQ(h.map_version, 0xFFFE);
  EXPECT_EQ(live.set_map_version(8, 0), -1);
}
