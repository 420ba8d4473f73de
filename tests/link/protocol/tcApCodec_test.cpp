#include "link/protocol/tcApCodec.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "link/protocol/PresetSummary.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The frame starts with `head` and is zero from there to its total length.
void expect_frame(const tcFrame& frame, const Bytes& head, int length) {
  ASSERT_EQ(frame.length(), length);
  const Bytes got(frame.data(), frame.data() + frame.length());
  const Bytes want_head(got.begin(), got.begin() + std::min<size_t>(head.size(), got.size()));
  EXPECT_EQ(want_head, head);
  for (int i = static_cast<int>(head.size()); i < length; ++i)
    ASSERT_EQ(got[i], 0) << "byte " << i << " of a frame of type " << frame.type();
}

tcFrameView view(const tcFrame& f) {
  return tcFrameView(f.data(), f.length());
}

}  // namespace

TEST(tcApCodec, FixedMessagesGolden) {
  expect_frame(tcApCodec::empty(tcFrame::kVersionRequest), {0xA5, 0xA5, 6, 0, 0x01, 0x00}, 6);
  expect_frame(tcApCodec::empty(tcFrame::kKeepAlive), {0xA5, 0xA5, 6, 0, 0x15, 0x00}, 6);
  expect_frame(tcApCodec::empty(tcFrame::kMeterAck), {0xA5, 0xA5, 6, 0, 0x03, 0x11}, 6);
  expect_frame(tcApCodec::login_request(0x12345678),
               {0xA5, 0xA5, 12, 0, 0x14, 0x00, 0, 0, 0x78, 0x56, 0x34, 0x12}, 12);
  expect_frame(tcApCodec::login_reply(tcApCodec::kLoginAccepted),
               {0xA5, 0xA5, 8, 0, 0x14, 0x00, 2, 0}, 8);
  expect_frame(tcApCodec::meter_request_udp(60006, 0x2B),
               {0xA5, 0xA5, 12, 0, 0x00, 0x11, 0x66, 0xEA, 0x2B}, 12);
  expect_frame(tcApCodec::meter_request_tcp(0x2C), {0xA5, 0xA5, 8, 0, 0x01, 0x11, 0x2C}, 8);
  // The slot messages are checked through the link's send operations.
  tcApCodec::ClockSet clock;
  clock.year = 9;
  clock.month = 12;
  clock.day = 8;
  clock.weekday = 2;
  clock.hour = 23;
  clock.minute = 59;
  clock.second = 30;
  clock.mode = 1;
  clock.server[0] = 192;
  clock.server[1] = 168;
  clock.server[2] = 1;
  clock.server[3] = 7;
  clock.zone_seconds = -18000;
  expect_frame(tcApCodec::clock_set(clock),
               {0xA5, 0xA5, 28, 0, 0x00, 0x12, 9,   12,  8, 2, 23,   59,   30,   0,
                0,    0,    1,  0, 0,    0,    192, 168, 1, 7, 0xB0, 0xB9, 0xFF, 0xFF},
               28);
}

TEST(tcApCodec, RecordMessagesGoldenAndFixedLengths) {
  const ParamRecord recs[3] = {ParamRecord::of_float(0x1001, -6.5f), ParamRecord::of_int(0x1506, 2),
                               ParamRecord::of_switch(0x1400, true)};
  const Bytes records = {0x01, 0x10, 0, 0, 0x00, 0x00, 0xD0, 0xC0,   // -6.5f
                         0x06, 0x15, 0, 0, 0x02, 0x00, 0x00, 0x00,   // 2
                         0x00, 0x14, 0, 0, 0x01, 0x00, 0x00, 0x00};  // switch on

  Bytes head = {0xA5, 0xA5, 0xA8, 0x04, 0x00, 0x40, 4, 3};
  head.insert(head.end(), records.begin(), records.end());
  expect_frame(tcApCodec::bank_params(4, recs, 3), head, 1192);

  head = {0xA5, 0xA5, 32, 0, 0x01, 0x30, 3, 0};
  head.insert(head.end(), records.begin(), records.end());
  expect_frame(tcApCodec::globals(recs, 3), head, 32);

  head = {0xA5, 0xA5, 0xAC, 0x04, 0x01, 0x20, 0, 0, 9, 4, 4, 3};
  head.insert(head.end(), records.begin(), records.end());
  expect_frame(tcApCodec::preset_part(9, 4, 4, recs, 3), head, 1196);

  const tcIddApGui::tsAPEvent events[2] = {{0x00018101u, 7}, {0x2u, 79}};
  expect_frame(tcApCodec::event_part(1, 1, events, 2),
               {0xA5, 0xA5, 0x0C, 0x04, 0x02, 0x12, 1,    0, 1, 0, 2,  0, 0x01, 0x81,
                0x01, 0x00, 7,    0,    0,    0,    0x02, 0, 0, 0, 79, 0, 0,    0},
               1036);

  const uint8_t data[3] = {0xDE, 0xAD, 0x01};
  tcFrame block(tcFrame::kNone, 6);
  ASSERT_EQ(tcApCodec::upgrade_block(2, 3, data, 3, block), 0);
  expect_frame(block, {0xA5, 0xA5, 0x0C, 0x04, 0x11, 0x00, 2, 0, 3, 0, 3, 0, 0xDE, 0xAD, 0x01},
               1036);
  EXPECT_EQ(tcApCodec::upgrade_block(1, 1, data, 0, block), -1);
  std::vector<uint8_t> too_big(1025);
  EXPECT_EQ(tcApCodec::upgrade_block(1, 1, too_big.data(), 1025, block), -1);

  tcApCodec::UpgradeReply reply;
  reply.block = 3;
  reply.blocks = 3;
  reply.code = 4;
  reply.text = "Erasing";
  expect_frame(
      tcApCodec::upgrade_reply(reply),
      {0xA5, 0xA5, 22, 0, 0x12, 0x00, 3, 0, 3, 0, 0, 0, 4, 0, 'E', 'r', 'a', 's', 'i', 'n', 'g', 0},
      22);

  uint8_t meter[tcApCodec::kMeterRecordSize];
  for (int i = 0; i < tcApCodec::kMeterRecordSize; ++i) meter[i] = static_cast<uint8_t>(i * 7);
  const tcFrame m = tcApCodec::meter_record(meter);
  ASSERT_EQ(m.length(), 692);
  EXPECT_EQ(std::memcmp(m.data() + 8, meter, sizeof meter), 0);
  EXPECT_EQ(std::memcmp(tcApCodec::read_meter_record(view(m)), meter, sizeof meter), 0);
}

TEST(tcApCodec, EveryMessageReadsBackWhatWasBuilt) {
  uint32_t code = 0;
  ASSERT_EQ(tcApCodec::read_login_request(view(tcApCodec::login_request(0xCAFEF00D)), code), 0);
  EXPECT_EQ(code, 0xCAFEF00Du);
  uint16_t result = 0;
  ASSERT_EQ(tcApCodec::read_login_reply(view(tcApCodec::login_reply(3)), result), 0);
  EXPECT_EQ(result, 3);

  tcApCodec::MeterRequest mr;
  ASSERT_EQ(tcApCodec::read_meter_request(view(tcApCodec::meter_request_udp(60003, 9)), mr), 0);
  EXPECT_TRUE(mr.udp);
  EXPECT_EQ(mr.port, 60003);
  EXPECT_EQ(mr.tag, 9);
  ASSERT_EQ(tcApCodec::read_meter_request(view(tcApCodec::meter_request_tcp(10)), mr), 0);
  EXPECT_FALSE(mr.udp);
  EXPECT_EQ(mr.tag, 10);

  uint8_t slot = 0, state = 0;
  ASSERT_EQ(tcApCodec::read_preset_request(view(tcApCodec::preset_request(42)), slot), 0);
  EXPECT_EQ(slot, 42);
  ASSERT_EQ(tcApCodec::read_lock(view(tcApCodec::lock(7, 1)), slot, state), 0);
  EXPECT_EQ(slot, 7);
  EXPECT_EQ(state, 1);
  uint16_t first = 0, count = 0;
  ASSERT_EQ(tcApCodec::read_delete(view(tcApCodec::delete_slots(70, 20)), first, count), 0);
  EXPECT_EQ(first, 70);
  EXPECT_EQ(count, 20);
  tcApCodec::Take take;
  ASSERT_EQ(tcApCodec::read_take(view(tcApCodec::take(3, 44, 0)), take), 0);
  EXPECT_EQ(take.bank, 3);
  EXPECT_EQ(take.slot, 44);
  EXPECT_EQ(take.mode, 0);
  tcApCodec::Rename rename;
  char forty[40];
  std::memset(forty, 'x', sizeof forty);  // a full name has no terminator
  const tcFrame rename_frame = tcApCodec::rename(2, forty);
  ASSERT_EQ(tcApCodec::read_rename(view(rename_frame), rename), 0);
  EXPECT_EQ(rename.slot, 2);
  EXPECT_EQ(std::memcmp(rename.name, forty, 40), 0);
  uint16_t version = 0;
  ASSERT_EQ(tcApCodec::read_map_version(view(tcApCodec::map_version(0x0102)), version), 0);
  EXPECT_EQ(version, 0x0102);

  tcApCodec::ClockSet clock, back;
  clock.zone_seconds = 19800;
  clock.weekday = 6;
  ASSERT_EQ(tcApCodec::read_clock_set(view(tcApCodec::clock_set(clock)), back), 0);
  EXPECT_EQ(back.zone_seconds, 19800);
  EXPECT_EQ(back.weekday, 6);

  std::vector<ParamRecord> many;
  for (int i = 0; i < 148; ++i) many.push_back(ParamRecord::of_int(0x1000 + i, i * 3));
  uint8_t bank = 0;
  tcApCodec::RecordRun run;
  const tcFrame bank_frame = tcApCodec::bank_params(7, many.data(), 148);
  ASSERT_EQ(tcApCodec::read_bank_params(view(bank_frame), bank, run), 0);
  EXPECT_EQ(bank, 7);
  ASSERT_EQ(run.count, 148);
  EXPECT_EQ(run.param(147), many[147]);
  tcApCodec::PresetPart part;
  const tcFrame part_frame = tcApCodec::preset_part(1, 2, 4, many.data(), 148);
  ASSERT_EQ(tcApCodec::read_preset_part(view(part_frame), part), 0);
  EXPECT_EQ(part.part, 2);
  EXPECT_EQ(part.parts, 4);
  ASSERT_EQ(part.records.count, 148);
  EXPECT_EQ(part.records.param(0), many[0]);

  tcApCodec::UpgradeReply reply, got;
  reply.code = 3;
  reply.text = "Flash write failed";
  ASSERT_EQ(tcApCodec::read_upgrade_reply(view(tcApCodec::upgrade_reply(reply)), got), 0);
  EXPECT_EQ(got.code, 3);
  EXPECT_EQ(got.text, "Flash write failed");
  tcApCodec::UpgradeBlock block;
  const uint8_t data[5] = {1, 2, 3, 4, 5};
  tcFrame bf(tcFrame::kNone, 6);
  ASSERT_EQ(tcApCodec::upgrade_block(1, 1, data, 5, bf), 0);
  ASSERT_EQ(tcApCodec::read_upgrade_block(view(bf), block), 0);
  EXPECT_EQ(block.size, 5);
  EXPECT_EQ(std::memcmp(block.data, data, 5), 0);
}

TEST(tcApCodec, ClaimedCountsAreCutToTheFrame) {
  // A 0x4000 frame of 24 bytes holds two records but claims 148.
  tcFrame f(tcFrame::kBankParams, 24);
  f.put_u8(tcApCodec::kBankParamsCountOffset, 148);
  uint8_t bank = 0;
  tcApCodec::RecordRun run;
  ASSERT_EQ(tcApCodec::read_bank_params(view(f), bank, run), 0);
  EXPECT_EQ(run.count, 2);
  // A partial record does not count.
  tcFrame g(tcFrame::kGlobals, 8 + 8 + 5);
  g.put_u16(tcApCodec::kGlobalsCountOffset, 0xFFFF);
  ASSERT_EQ(tcApCodec::read_globals(view(g), run), 0);
  EXPECT_EQ(run.count, 1);
  // The view also cuts to what was actually received when the length field lies.
  tcFrame h(tcFrame::kEventList, 1036);
  h.put_u16(tcApCodec::kEventCountOffset, 128);
  tcApCodec::EventPart events;
  ASSERT_EQ(tcApCodec::read_event_part(tcFrameView(h.data(), 12 + 3 * 8), events), 0);
  EXPECT_EQ(events.claimed, 128);
  EXPECT_EQ(events.events.count, 3);
  // An upgrade reply text without its zero stops at the frame's end.
  tcFrame r(tcFrame::kUpgradeReply, 17);
  r.put_bytes(14, "abc", 3);
  tcApCodec::UpgradeReply reply;
  ASSERT_EQ(tcApCodec::read_upgrade_reply(view(r), reply), 0);
  EXPECT_EQ(reply.text, "abc");
  // Frames too short for their fixed fields are refused.
  tcFrame shorty(tcFrame::kPresetLock, 7);
  EXPECT_EQ(tcApCodec::read_lock(view(shorty), bank, bank), -1);
  tcApCodec::Rename rename;
  EXPECT_EQ(tcApCodec::read_rename(view(tcFrame(tcFrame::kPresetRename, 46)), rename), -1);
}
