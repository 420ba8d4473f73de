#include "link/transport/tcApIface.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <cstring>
#include <string>
#include <vector>

#include "app/core/tcLeBytes.h"
#include "link/protocol/PresetSummary.h"
#include "link/protocol/tcMeterRecord.h"
#include "link/protocol/tcParamWire.h"
#include "link/transport/tcMeterIface.h"
#include "link/transport/tcUpgradeListener.h"
#include "params/MAP_TYPE.h"
#include "params/tcParamTable.h"
#include "tests/link/transport/tcLinkTestWorld.h"

namespace {

using Bytes = std::vector<uint8_t>;

void collect_trace(void* context, const char* line) {
  static_cast<std::vector<std::string>*>(context)->push_back(line);
}

class LinkHandlers : public ::testing::Test {
 protected:
  tcLinkTestWorld world;
  tcCapturingLink link{world.link_stores()};
  std::vector<std::string> traces;

  void SetUp() override { link.set_trace(&collect_trace, &traces); }

  SETTINGS& bank(int i) { return *world.banks().set(i); }
};

tcPresetHeader header_named(const char* name, uint16_t version) {
  tcPresetHeader h;
  h.set_name(name);
  h.check[0] = 0xDEADBEEF;
  h.count[0] = 406;
  h.map_version = version;
  h.status = 1;
  return h;
}

}  // namespace

TEST_F(LinkHandlers, ProcessorChangesLandWithSource3AndAreNotMarkedForSending) {
  const ParamRecord recs[4] = {ParamRecord::of_float(0x1001, -6.0f),  // gain table
                               ParamRecord::of_int(0x1506, 2),        // VBMS style
                               ParamRecord::of_switch(0x1400, true),  // AGC in
                               ParamRecord::of_int(0x2000, 1)};       // not a bank id: skipped
  link.feed(tcApCodec::bank_params(1, recs, 4));
  EXPECT_FLOAT_EQ(bank(1).eng(0x1001), -6.0f);
  EXPECT_EQ(bank(1).int_value(0x1506), 2u);
  EXPECT_EQ(bank(1).bool_value(0x1400), 1);
  EXPECT_FLOAT_EQ(bank(0).eng(0x1001), 0.0f);

  link.feed(tcApCodec::bank_params(0, recs, 3));
  EXPECT_FLOAT_EQ(bank(0).eng(0x1001), -6.0f);
  EXPECT_TRUE(world.bank_panel().test(0, 0x1001));
  EXPECT_FALSE(world.bank_send().test(0, 0x1001));
  EXPECT_FALSE(world.bank_send().test(0, 0x1506));
  EXPECT_EQ(link.send_bank_changes(0), 0);
  EXPECT_TRUE(link.sent().empty());

  // Globals the same way.
  const ParamRecord g[2] = {ParamRecord::of_int(0x3000, 2), ParamRecord::of_switch(0x2006, true)};
  link.feed(tcApCodec::globals(g, 2));
  EXPECT_EQ(world.globals().int_value(0x3000), 2u);
  EXPECT_EQ(world.globals().bool_value(0x2006), 1);
  EXPECT_TRUE(world.globals_panel().test(0x3000));
  EXPECT_FALSE(world.globals_send().test(0x3000));
  EXPECT_EQ(traces,
            (std::vector<std::string>{"RX MSGID: 4000  settings\n", "RX MSGID: 4000  settings\n"}));
}

TEST_F(LinkHandlers, BankIndexAtTheBankCountIsIgnored) {
  const ParamRecord rec = ParamRecord::of_float(0x1001, -6.0f);
  link.feed(tcApCodec::bank_params(tcLiveSettings::kSlotCount, &rec, 1));
  for (int i = 0; i < tcLiveSettings::kSlotCount; ++i) EXPECT_FLOAT_EQ(bank(i).eng(0x1001), 0.0f);
  EXPECT_FALSE(world.bank_panel().test(0, 0x1001));
}

TEST_F(LinkHandlers, CountsBeyondTheFrameUseOnlyWhatTheFrameHolds) {
  std::vector<ParamRecord> recs;
  for (uint16_t id : {0x1001, 0x1008}) recs.push_back(ParamRecord::of_float(id, -3.0f));
  // 0x4000 claiming 148 records in a 24-byte frame.
  tcFrame f(tcFrame::kBankParams, 24);
  f.put_u8(tcApCodec::kBankParamsCountOffset, 148);
  recs[0].encode(f.at(8, 8));
  recs[1].encode(f.at(16, 8));
  link.feed(f);
  EXPECT_FLOAT_EQ(bank(0).eng(0x1001), -3.0f);
  EXPECT_FLOAT_EQ(bank(0).eng(0x1008), -3.0f);

  // 0x3001 claiming 65535 globals in a frame holding one.
  tcFrame g(tcFrame::kGlobals, 16);
  g.put_u16(tcApCodec::kGlobalsCountOffset, 0xFFFF);
  ParamRecord::of_int(0x2005, 40).encode(g.at(8, 8));
  link.feed(g);
  EXPECT_EQ(world.globals().int_value(0x2005), 40u);

  // 0x2002 claiming 7 entries with room for one, and for none.
  tcFrame d(tcFrame::kDirectory, 8 + 160 + 100);
  d.put_u16(tcApCodec::kDirectoryCountOffset, 7);
  PresetSummary::encode(3, header_named("Three", 1), d.at(8, 160));
  QSignalSpy summary(&world.link_signals(), &tcLinkSignals::sig_summary_changed);
  link.feed(d);
  EXPECT_EQ(summary.count(), 1);
  EXPECT_TRUE(world.directory().present(3));
  tcPresetHeader got;
  world.directory().get(3, got);
  EXPECT_EQ(got.name_text(), "Three");
  EXPECT_FALSE(world.directory().present(4));

  // 0x1202 claiming 128 events with three held.
  const tcIddApGui::tsAPEvent ev[3] = {{0x101u, 1}, {0x201u, 2}, {0x401u, 3}};
  const tcFrame e = tcApCodec::event_part(1, 1, ev, 3);
  tcFrame e_short(tcFrame::kEventList, 12 + 3 * 8);
  std::memcpy(e_short.at(6, 30), e.data() + 6, 30);
  e_short.put_u16(tcApCodec::kEventCountOffset, 128);
  QSignalSpy events(&world.link_signals(), &tcLinkSignals::sig_new_events);
  link.feed(e_short);
  EXPECT_EQ(world.events().count(), 3);
  EXPECT_EQ(events.count(), 1);

  // 0x0012 text without a terminator ends with the frame; 0x0002 texts likewise.
  tcFrame r(tcFrame::kUpgradeReply, 20);
  r.put_u16(tcApCodec::kUpgradeReplyCodeOffset, 2);
  r.put_bytes(14, "ABCDEF", 6);
  link.feed(r);
  EXPECT_EQ(link.last_upgrade_reply().text, "ABCDEF");
  tcFrame v(tcFrame::kVersionReply, 20);
  v.put_bytes(12, "12345678", 8);
  link.feed(v);
  EXPECT_STREQ(world.device_info().version().lines[0].data(), "12345678");
}

TEST_F(LinkHandlers, DirectoryEntriesBeyondSlot79AreSkippedTheOthersStored) {
  tcApCodec::DirectoryEntry entries[3];
  entries[0].slot = 0;
  entries[0].header = header_named("First", 0x0101);
  entries[1].slot = 80;
  entries[1].header = header_named("Outside", 0x0101);
  entries[2].slot = 79;
  entries[2].header = header_named("Last", 0x0102);
  QSignalSpy summary(&world.link_signals(), &tcLinkSignals::sig_summary_changed);
  link.feed(tcApCodec::directory(entries, 3));
  EXPECT_EQ(summary.count(), 1);
  tcPresetHeader got;
  ASSERT_EQ(world.directory().get(0, got), 0);
  EXPECT_EQ(got.name_text(), "First");
  ASSERT_EQ(world.directory().get(79, got), 0);
  EXPECT_EQ(got.name_text(), "Last");
  EXPECT_EQ(got.map_version, 0x0102);
  EXPECT_EQ(got.status, 1);
  EXPECT_EQ(world.directory().get(80, got), -1);
  EXPECT_EQ(traces, (std::vector<std::string>{"RX MSGID: 2002  pset sum\n"}));

  // Rename, lock and delete work on the same entries; delete stops at slot 80.
  char name[40] = {};
  std::memcpy(name, "Renamed", 7);
  link.feed(tcApCodec::rename(79, name));
  link.feed(tcApCodec::rename(80, name));
  link.feed(tcApCodec::lock(0, 2));
  link.feed(tcApCodec::lock(200, 2));
  world.directory().get(79, got);
  EXPECT_EQ(got.name_text(), "Renamed");
  world.directory().get(0, got);
  EXPECT_EQ(got.status, 2);
  link.feed(tcApCodec::delete_slots(79, 500));
  EXPECT_FALSE(world.directory().present(79));
  EXPECT_TRUE(world.directory().present(0));
}

TEST_F(LinkHandlers, BankSummaryChangesTheHeaderOnceAndEqualSummariesDoNothing) {
  QSignalSpy crc(&world.link_signals(), &tcLinkSignals::sig_crc_check);
  QSignalSpy version(&world.link_signals(), &tcLinkSignals::sig_sgmap_version_update);
  const tcPresetHeader h = header_named("Drive Time", 0x0203);
  link.feed(tcApCodec::bank_summary(2, h));
  ASSERT_EQ(crc.count(), 1);
  ASSERT_EQ(version.count(), 1);
  EXPECT_EQ(version.at(0).at(0).toInt(), 2);
  EXPECT_EQ(version.at(0).at(1).toInt(), 0x0203);
  tcPresetHeader stored;
  world.banks().get_header(2, &stored);
  EXPECT_EQ(stored.name_text(), "Drive Time");
  EXPECT_EQ(stored.status, 0);  // applied to a live bank

  // The same summary again, now with status 0 like the stored one: nothing.
  tcPresetHeader same = h;
  same.status = 0;
  link.feed(tcApCodec::bank_summary(2, same));
  EXPECT_EQ(crc.count(), 1);
  // A bank that does not exist: nothing.
  link.feed(tcApCodec::bank_summary(tcLiveSettings::kSlotCount, h));
  EXPECT_EQ(crc.count(), 1);
}

TEST_F(LinkHandlers, MapVersionSetsBank0AndIsIgnoredWithoutBanks) {
  link.feed(tcApCodec::map_version(0x0107));
  tcPresetHeader h;
  world.banks().get_header(0, &h);
  EXPECT_EQ(h.map_version, 0x0107);
  EXPECT_EQ(traces, (std::vector<std::string>{"RX  SGMAP_VERSION_MSG  0107"}));

  tcLinkStores none = world.link_stores();
  none.banks = nullptr;
  tcCapturingLink bare(none);
  bare.feed(tcApCodec::map_version(0x0999));  // nothing to write into
  world.banks().get_header(0, &h);
  EXPECT_EQ(h.map_version, 0x0107);
}

TEST_F(LinkHandlers, LoginVersionMacAndUnknownTypes) {
  QSignalSpy accepted(&world.link_signals(), &tcLinkSignals::sig_connect_accepted);
  QSignalSpy rejected(&world.link_signals(), &tcLinkSignals::sig_connect_rejected);
  QSignalSpy version(&world.link_signals(), &tcLinkSignals::sig_recv_version);
  QSignalSpy mac(&world.link_signals(), &tcLinkSignals::sig_recv_macaddr);
  link.feed(tcApCodec::login_reply(2));
  link.feed(tcApCodec::login_reply(3));
  link.feed(tcApCodec::login_reply(7));
  EXPECT_EQ(accepted.count(), 1);
  EXPECT_EQ(rejected.count(), 1);

  tcVersionRecord v;
  v.major = 4;
  v.minor = 2;
  std::strcpy(v.lines[2].data(), "third");
  link.feed(v.encode());
  EXPECT_EQ(version.count(), 1);
  EXPECT_TRUE(world.device_info().version() == v);

  tcMacRecord m;
  m.bytes = {1, 2, 3, 4, 5, 6};
  link.feed(m.encode());
  EXPECT_EQ(mac.count(), 1);
  EXPECT_TRUE(world.device_info().mac() == m);

  link.feed(tcApCodec::empty(tcFrame::kKeepAlive));
  link.feed(tcApCodec::empty(tcFrame::kNone));
  link.feed(tcApCodec::empty(0x7777));
  EXPECT_EQ(traces, (std::vector<std::string>{"RX UNKNOWN MSGID: 7777\n"}));
}

TEST_F(LinkHandlers, MeterRecordIsAcknowledgedThenStored) {
  tcMeterIface meters;
  tcLinkStores stores = world.link_stores();
  stores.meters = &meters;
  tcCapturingLink with_meters(stores);
  uint8_t record[tcMeterRecord::kSize] = {};
  std::memcpy(record, tcMeterRecord::kMagic, tcMeterRecord::kMagicSize);
  record[tcMeterRecord::kFormatOffset] = tcMeterRecord::kFormat;
  record[tcMeterRecord::kTagOffset] = meters.request_tag();
  record[tcMeterRecord::kHourOffset] = 17;
  with_meters.feed(tcApCodec::meter_record(record));
  const auto sent = with_meters.sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], (Bytes{0xA5, 0xA5, 6, 0, 0x03, 0x11}));
  tcMeterRecord taken;
  ASSERT_EQ(meters.take_record(taken), 0);
  EXPECT_EQ(taken.hour(), 17);

  // A meter message too short for a record is neither acknowledged nor stored.
  with_meters.clear_sent();
  with_meters.feed(tcFrame(tcFrame::kMeterRecord, 600));
  EXPECT_TRUE(with_meters.sent().empty());
}

namespace {
struct Downloader : tcUpgradeListener {
  std::vector<tcApCodec::UpgradeReply> replies;
  void upgrade_reply(const tcApCodec::UpgradeReply& reply) override { replies.push_back(reply); }
};
}  // namespace

TEST_F(LinkHandlers, UpgradeRepliesReachTheRegisteredDownloaderOnly) {
  Downloader d;
  tcApCodec::UpgradeReply reply;
  reply.block = 4;
  reply.blocks = 9;
  reply.code = 0;
  link.feed(tcApCodec::upgrade_reply(reply));  // nobody registered: only kept
  EXPECT_EQ(link.last_upgrade_reply().block, 4);
  link.set_upgrade_listener(&d);
  reply.block = 5;
  link.feed(tcApCodec::upgrade_reply(reply));
  link.set_upgrade_listener(nullptr);
  link.feed(tcApCodec::upgrade_reply(reply));
  ASSERT_EQ(d.replies.size(), 1u);
  EXPECT_EQ(d.replies[0].block, 5);
  EXPECT_EQ(d.replies[0].blocks, 9);
}

TEST_F(LinkHandlers, EventListPartsRebuildTheScheduleAndSignalAtTheEnd) {
  QSignalSpy spy(&world.link_signals(), &tcLinkSignals::sig_new_events);
  std::vector<tcIddApGui::tsAPEvent> all;
  for (uint32_t i = 0; i < 1100; ++i) all.push_back({0x101u | (i << 15), i % 80});
  const int parts = (1100 + 127) / 128;
  for (int p = 0; p < parts; ++p) {
    const int count = std::min(128, 1100 - p * 128);
    link.feed(tcApCodec::event_part(p + 1, parts, all.data() + p * 128, count));
    EXPECT_EQ(spy.count(), p + 1 == parts ? 1 : 0);
  }
  const auto got = world.events().events();
  ASSERT_EQ(got.size(), 1000u);  // the rest is dropped
  EXPECT_TRUE(got[999] == all[999]);

  link.feed(tcApCodec::event_part(1, 1, nullptr, 0));  // the empty schedule
  EXPECT_EQ(world.events().count(), 0);
  EXPECT_EQ(spy.count(), 2);
}

TEST_F(LinkHandlers, BankChangesGoOutInFramesOf148InTableOrder) {
  const tcParamTable& table = tcParamTable::presets();
  ASSERT_EQ(table.count(), 457);
  for (int i = 0; i < table.count(); ++i) world.bank_send().set(0, table.rows()[i].id);
  bank(0).set_float(0x1001, -6.0f, kSourceSilent);
  EXPECT_EQ(link.send_bank_changes(0), 4);
  const auto sent = link.sent();
  ASSERT_EQ(sent.size(), 4u);
  const int expected[4] = {148, 148, 148, 13};
  int row = 0;
  for (int f = 0; f < 4; ++f) {
    ASSERT_EQ(sent[f].size(), 1192u);
    EXPECT_EQ(sent[f][4], 0x00);
    EXPECT_EQ(sent[f][5], 0x40);
    EXPECT_EQ(sent[f][6], 0);
    EXPECT_EQ(sent[f][7], expected[f]);
    for (int r = 0; r < expected[f]; ++r, ++row) {
      const ParamRecord rec = ParamRecord::decode(sent[f].data() + 8 + 8 * r);
      ASSERT_EQ(rec.id(), table.rows()[row].id);
      ParamRecord want;
      ASSERT_TRUE(tcParamWire::record_of(bank(0), rec.id(), want));
      EXPECT_EQ(rec, want);
    }
  }
  EXPECT_FLOAT_EQ(ParamRecord::decode(sent[0].data() + 8).as_float(), -6.0f);
  // Every flag was taken; a second walk sends nothing, and so does a bank without a record.
  link.clear_sent();
  EXPECT_EQ(link.send_bank_changes(0), 0);
  world.bank_send().set(0, 0x1001);
  EXPECT_EQ(link.send_bank_changes(3), 0);
  EXPECT_TRUE(link.sent().empty());
  EXPECT_TRUE(world.bank_send().test(0, 0x1001));
}

TEST_F(LinkHandlers, SendOperationsGolden) {
  const char name[41] = "Night";
  link.request_preset(12);
  link.send_rename(12, name);
  link.send_delete(12, 1);
  link.send_lock(12, 1);
  link.send_keepalive();
  link.send_take(3, 12, tcApCodec::kTakeAll);
  link.send_map_version(1, 0xFFFE);
  const uint8_t data[2] = {0x55, 0xAA};
  link.send_upgrade_block(1, 2, data, 2);
  EXPECT_EQ(link.send_upgrade_block(1, 2, data, 0), -1);
  const auto sent = link.sent();
  ASSERT_EQ(sent.size(), 8u);
  EXPECT_EQ(sent[0], (Bytes{0xA5, 0xA5, 8, 0, 0x00, 0x20, 12, 0}));
  Bytes rename = {0xA5, 0xA5, 48, 0, 0x03, 0x20, 12, 'N', 'i', 'g', 'h', 't'};
  rename.resize(48);
  EXPECT_EQ(sent[1], rename);
  EXPECT_EQ(sent[2], (Bytes{0xA5, 0xA5, 10, 0, 0x04, 0x20, 12, 0, 1, 0}));
  EXPECT_EQ(sent[3], (Bytes{0xA5, 0xA5, 8, 0, 0x05, 0x20, 12, 1}));
  EXPECT_EQ(sent[4], (Bytes{0xA5, 0xA5, 6, 0, 0x15, 0x00}));
  EXPECT_EQ(sent[5], (Bytes{0xA5, 0xA5, 12, 0, 0x07, 0x20, 2, 0, 12, 0, 3, 0}));
  EXPECT_EQ(sent[6], (Bytes{0xA5, 0xA5, 8, 0, 0x00, 0x50, 0xFE, 0xFF}));
  Bytes block = {0xA5, 0xA5, 0x0C, 0x04, 0x11, 0x00, 1, 0, 2, 0, 2, 0, 0x55, 0xAA};
  block.resize(1036);
  EXPECT_EQ(sent[7], block);
  EXPECT_EQ(traces, (std::vector<std::string>{"TX  SGMAP_VERSION_MSG  FFFE"}));
}

TEST_F(LinkHandlers, GlobalsSummariesPresetDataAndMeterRequestsGolden) {
  // All globals, in table order.
  EXPECT_GT(link.send_globals(nullptr), 0);
  // Only flagged ones, flags cleared.
  world.globals().set_int(0x2005, 33, kSourceConsole);
  ASSERT_TRUE(world.globals_send().test(0x2005));
  link.send_globals(&world.globals_send());
  EXPECT_FALSE(world.globals_send().test(0x2005));
  EXPECT_EQ(link.send_globals(&world.globals_send()), 0);  // nothing left
  auto sent = link.sent();
  ASSERT_EQ(sent.size(), 2u);
  ASSERT_EQ(sent[0].size(), 8u + 8u * 16u);
  EXPECT_EQ(sent[0][6], 16);
  EXPECT_EQ(ParamRecord::decode(sent[0].data() + 8).id(), 0x2000);
  EXPECT_EQ(sent[1], (Bytes{0xA5, 0xA5, 16, 0, 0x01, 0x30, 1, 0, 0x05, 0x20, 0, 0, 33, 0, 0, 0}));

  link.clear_sent();
  const tcPresetHeader h = header_named("Pushed", 0x0300);
  link.send_directory_entry(9, h);
  link.send_bank_summary(1, h);
  link.send_preset_data(9, bank(0));
  sent = link.sent();
  ASSERT_EQ(sent.size(), 6u);
  ASSERT_EQ(sent[0].size(), 1128u);
  EXPECT_EQ(sent[0][6], 1);
  EXPECT_EQ(sent[0][8], 9);
  EXPECT_EQ(std::memcmp(sent[0].data() + 9, "Pushed", 6), 0);
  ASSERT_EQ(sent[1].size(), 168u);
  EXPECT_EQ(sent[1][6], 1);
  EXPECT_EQ(std::memcmp(sent[1].data() + 9, "Pushed", 6), 0);
  EXPECT_EQ(sent[1][164], 0x00);
  EXPECT_EQ(sent[1][165], 0x03);
  const int counts[4] = {148, 148, 148, 13};
  for (int p = 0; p < 4; ++p) {
    const Bytes& part = sent[2 + p];
    ASSERT_EQ(part.size(), 1196u);
    EXPECT_EQ(part[4], 0x01);
    EXPECT_EQ(part[5], 0x20);
    EXPECT_EQ(part[8], 9);
    EXPECT_EQ(part[9], p + 1);
    EXPECT_EQ(part[10], 4);
    EXPECT_EQ(part[11], counts[p]);
  }

  tcMeterIface meters;
  tcLinkStores stores = world.link_stores();
  stores.meters = &meters;
  tcCapturingLink with_meters(stores);
  const uint8_t tag = meters.request_tag();
  with_meters.request_meters(false);
  with_meters.request_meters(true);
  sent = with_meters.sent();
  ASSERT_EQ(sent.size(), 2u);
  const uint16_t port = meters.port();
  EXPECT_EQ(sent[0],
            (Bytes{0xA5, 0xA5, 12, 0, 0x00, 0x11, static_cast<uint8_t>(port),
                   static_cast<uint8_t>(port >> 8), static_cast<uint8_t>(tag + 1), 0, 0, 0}));
  EXPECT_EQ(sent[1], (Bytes{0xA5, 0xA5, 8, 0, 0x01, 0x11, static_cast<uint8_t>(tag + 2), 0}));
  EXPECT_EQ(link.request_meters(true), -1);  // no listener attached
}

TEST_F(LinkHandlers, SendFrameSealsAndRefusesOversizedFrames) {
  uint8_t frame[1200] = {};
  frame[4] = 0x01;
  EXPECT_EQ(link.send_frame(frame, 6), 6);
  EXPECT_EQ(link.send_frame(frame, 1200), -1);
  EXPECT_EQ(link.send_frame(frame, 5), -1);
  const auto sent = link.sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], (Bytes{0xA5, 0xA5, 6, 0, 0x01, 0x00}));
}

TEST(tcApIface, SendsWhileDisconnectedAreDropped) {
  tcLinkTestWorld world;
  tcApIface link("256.0.0.1", tcApIface::kPort, world.link_stores(), nullptr, nullptr,
                 quick_timing());
  EXPECT_FALSE(link.connected());
  EXPECT_EQ(link.send_keepalive(), -1);
}
