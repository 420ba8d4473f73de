// Runs the built qx770sim on a free port and talks to it the way the console
// does, over a plain socket.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <cstring>
#include <deque>
#include <functional>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include "app/core/tcCrc32.h"

#include "link/protocol/tcApCodec.h"
#include "link/protocol/tcIddApGui.h"
#include "link/protocol/tcMeterRecord.h"
#include "link/transport/tcApIface.h"
#include "link/transport/tcLinkSignals.h"
#include "link/transport/tcPresetDirectory.h"
#include "link/transport/tcPresetGrabber.h"
#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "params/tcChangeRouter.h"
#include "params/tcGlobalsDirty.h"
#include "params/tcLiveSettings.h"
#include "params/tcLiveSettingsDirty.h"
#include "params/tcParamTable.h"
#include "tests/link/transport/tcLinkTestWorld.h"
#include "tests/support/tcTestPaths.h"

namespace {

using Frame = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

uint16_t type_of(const Frame& f) {
  return static_cast<uint16_t>(f[4] | (f[5] << 8));
}
tcFrameView view_of(const Frame& f) {
  return tcFrameView(f.data(), static_cast<int>(f.size()));
}

// The console's end of the link, reduced to a socket and a deframer.
class Console : public tcIddApGui::tcCmndRecvState {
 public:
  explicit Console(uint16_t port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  }
  ~Console() override { ::close(fd_); }

  bool connected() const { return connected_; }
  void send(const tcFrame& frame) {
    ASSERT_EQ(::send(fd_, frame.data(), frame.length(), MSG_NOSIGNAL), frame.length());
  }
  void login(uint32_t code) { send(tcApCodec::login_request(code)); }

  // The first frame of `type` that arrives (earlier ones of other types stay
  // queued); empty when none comes in time.
  Frame next(uint16_t type, int timeout_ms = 3000) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
      for (auto it = frames_.begin(); it != frames_.end(); ++it) {
        if (type_of(*it) != type) continue;
        Frame f = *it;
        frames_.erase(it);
        return f;
      }
      if (!pump(end)) return {};
    }
  }
  // Everything that arrives within the time.
  std::deque<Frame> drain(int timeout_ms) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeout_ms);
    while (pump(end)) {
    }
    std::deque<Frame> all;
    all.swap(frames_);
    return all;
  }
  // True when the simulator closed the connection within the time.
  bool closed_by_peer(int timeout_ms) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeout_ms);
    while (pump(end)) {
    }
    return eof_;
  }

 protected:
  void handle_message(uint32_t, uint32_t, const uint8_t* frame) override {
    frames_.emplace_back(frame, frame + tcFrameView::header_length(frame));
  }

 private:
  bool pump(Clock::time_point end) {
    const int left = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count());
    if (left <= 0 || eof_) return false;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, left) <= 0) return false;
    uint8_t buffer[8192];
    const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
    if (n <= 0) {
      eof_ = true;
      return false;
    }
    recv(buffer, static_cast<size_t>(n));
    return true;
  }

  int fd_ = -1;
  bool connected_ = false;
  bool eof_ = false;
  std::deque<Frame> frames_;
};

// A UDP socket on a free local port, like the console's meter listener.
class MeterPort {
 public:
  MeterPort() {
    fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
  }
  ~MeterPort() { ::close(fd_); }
  uint16_t port() const { return port_; }
  // The next datagram; empty after the time-out.
  Frame next(int timeout_ms = 2000) {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, timeout_ms) <= 0) return {};
    Frame f(2048);
    const ssize_t n = ::recv(fd_, f.data(), f.size(), 0);
    f.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return f;
  }
  // The first datagram carrying `tag`.
  Frame next_tagged(uint8_t tag, int tries = 40) {
    for (int i = 0; i < tries; ++i) {
      Frame f = next();
      if (f.size() == tcMeterRecord::kSize && f[tcMeterRecord::kTagOffset] == tag) return f;
    }
    return {};
  }

 private:
  int fd_ = -1;
  uint16_t port_ = 0;
  std::deque<Frame> burst_;
};

ParamRecord find_record(const tcApCodec::RecordRun& run, uint16_t id) {
  for (int i = 0; i < run.count; ++i)
    if (run.param(i).id() == id) return run.param(i);
  return ParamRecord();
}

class qx770sim : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = tcBuiltProgram("qx770sim");
    ASSERT_TRUE(QFile::exists(program_)) << "build the qx770sim target first";
    ASSERT_TRUE(state_.isValid());
  }
  void TearDown() override { stop(); }

  void start(const QStringList& extra = {}) {
    process_.start(
        program_,
        QStringList{"--port", "0", "--state", state_.path(), "--meters-hz", "50"} + extra);
    ASSERT_TRUE(process_.waitForStarted(5000));
    QByteArray out;
    const QRegularExpression listening("listening on [0-9.]+:([0-9]+)");
    for (int i = 0; i < 100 && !listening.match(out).hasMatch(); ++i) {
      process_.waitForReadyRead(100);
      out += process_.readAllStandardOutput();
    }
    const QRegularExpressionMatch m = listening.match(out);
    ASSERT_TRUE(m.hasMatch()) << out.constData() << process_.readAllStandardError().constData();
    port_ = static_cast<uint16_t>(m.captured(1).toUInt());
  }
  // SIGTERM, as a user's Ctrl-C or a service stop would; the simulator saves.
  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    ASSERT_TRUE(process_.waitForFinished(5000));
    EXPECT_EQ(process_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process_.exitCode(), 0) << process_.readAllStandardError().constData();
  }
  // A console that logged in and took the initial burst (kept in burst_).
  std::unique_ptr<Console> online_keeping_burst(uint32_t code = tcApCodec::kNoAccessCode) {
    auto console = std::make_unique<Console>(port_);
    EXPECT_TRUE(console->connected());
    console->login(code);
    EXPECT_FALSE(console->next(tcFrame::kLogin).empty());
    burst_ = console->drain(400);
    return console;
  }
  std::unique_ptr<Console> online() { return online_keeping_burst(); }
  // The preset as the simulator sends it for a 0x2000 request.
  std::vector<tcApCodec::PresetPart> fetch(Console& console, uint8_t slot,
                                           std::vector<Frame>& keep) {
    console.send(tcApCodec::preset_request(slot));
    std::vector<tcApCodec::PresetPart> parts;
    for (int i = 0; i < 4; ++i) {
      keep.push_back(console.next(tcFrame::kPresetData));
      tcApCodec::PresetPart part;
      if (keep.back().empty() || tcApCodec::read_preset_part(view_of(keep.back()), part) != 0)
        break;
      parts.push_back(part);
    }
    return parts;
  }
  // Pushes a set into a slot the way the console's push does.
  void push(Console& console, uint8_t slot, const SETTINGS& set, const char* name) {
    const tcParamTable& table = set.table();
    const int parts = (table.count() + 147) / 148;
    for (int part = 0; part < parts; ++part) {
      ParamRecord records[148];
      const int first = part * 148;
      const int count = std::min(148, table.count() - first);
      for (int i = 0; i < count; ++i) {
        const tcParamRow& row = table.rows()[first + i];
        records[i] = row.type == 1   ? ParamRecord::of_float(row.id, set.eng(row.id))
                     : row.type == 2 ? ParamRecord::of_int(row.id, set.int_value(row.id))
                                     : ParamRecord::of_switch(row.id, set.bool_value(row.id));
      }
      console.send(tcApCodec::preset_part(slot, static_cast<uint8_t>(part + 1),
                                          static_cast<uint8_t>(parts), records, count));
    }
    tcApCodec::DirectoryEntry entry;
    entry.slot = slot;
    entry.header.set_name(name);
    entry.header.word_a = 0xA11CE;
    console.send(tcApCodec::directory(&entry, 1));
  }
  static tcApCodec::DirectoryEntry entry_of(const Frame& f) {
    tcApCodec::RecordRun run;
    tcApCodec::DirectoryEntry entry;
    if (!f.empty() && tcApCodec::read_directory(view_of(f), run) == 0 && run.count == 1)
      entry.slot = run.summary(0, entry.header);
    return entry;
  }

  QString program_;
  QTemporaryDir state_;
  QProcess process_;
  uint16_t port_ = 0;
  std::deque<Frame> burst_;
};

TEST_F(qx770sim, LoginAcceptsThePasswordCodeAndSendsTheWholePicture) {
  start({"--password", "studio"});
  Console console(port_);
  ASSERT_TRUE(console.connected());
  console.login(tcCrc32::of_text("studio"));
  const Frame reply = console.next(tcFrame::kLogin);
  uint16_t result = 0;
  ASSERT_EQ(tcApCodec::read_login_reply(view_of(reply), result), 0);
  EXPECT_EQ(result, tcApCodec::kLoginAccepted);

  const std::deque<Frame> burst = console.drain(500);
  int globals = 0, summaries = 0, entries = 0, mac = 0;
  std::vector<int> bank_frames(8), bank_records(8);
  for (const Frame& f : burst) {
    tcApCodec::RecordRun run;
    uint8_t bank = 0;
    tcPresetHeader header;
    switch (type_of(f)) {
      case tcFrame::kGlobals:
        ASSERT_EQ(tcApCodec::read_globals(view_of(f), run), 0);
        globals += run.count;
        break;
      case tcFrame::kBankSummary:
        ASSERT_EQ(tcApCodec::read_bank_summary(view_of(f), bank, header), 0);
        ++summaries;
        break;
      case tcFrame::kBankParams:
        ASSERT_EQ(tcApCodec::read_bank_params(view_of(f), bank, run), 0);
        ASSERT_LT(bank, 8);
        ++bank_frames[bank];
        bank_records[bank] += run.count;
        EXPECT_LE(run.count, 148);
        break;
      case tcFrame::kDirectory:
        ASSERT_EQ(tcApCodec::read_directory(view_of(f), run), 0);
        entries += run.count;
        break;
      case tcFrame::kMacAddress:
        ++mac;
        break;
    }
  }
  EXPECT_EQ(mac, 1);
  EXPECT_EQ(globals, tcParamTable::kGlobalCount);
  EXPECT_EQ(summaries, 8);
  for (int b = 0; b < 8; ++b) {
    EXPECT_EQ(bank_frames[b], 4) << b;
    EXPECT_EQ(bank_records[b], tcParamTable::kPresetCount) << b;
  }
  EXPECT_EQ(entries, 80);
}

TEST_F(qx770sim, WrongCodeIsRejectedAndNothingElseAnswered) {
  start({"--password", "studio"});
  Console console(port_);
  console.login(tcCrc32::of_text("guess"));
  uint16_t result = 0;
  ASSERT_EQ(tcApCodec::read_login_reply(view_of(console.next(tcFrame::kLogin)), result), 0);
  EXPECT_EQ(result, tcApCodec::kLoginRejected);
  console.send(tcApCodec::preset_request(0));
  const std::deque<Frame> after = console.drain(300);
  EXPECT_TRUE(after.empty()) << "first frame type " << type_of(after.front());
  // The keep-alive is echoed even so.
  console.send(tcApCodec::empty(tcFrame::kKeepAlive));
  EXPECT_FALSE(console.next(tcFrame::kKeepAlive).empty());
}

TEST_F(qx770sim, PresetRequestIsAnsweredInFourParts) {
  start();
  auto console = online();
  std::vector<Frame> keep;
  const std::vector<tcApCodec::PresetPart> parts = fetch(*console, 0, keep);
  ASSERT_EQ(parts.size(), 4u);
  const int counts[4] = {148, 148, 148, 13};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(parts[i].slot, 0);
    EXPECT_EQ(parts[i].part, i + 1);
    EXPECT_EQ(parts[i].parts, 4);
    EXPECT_EQ(parts[i].records.count, counts[i]);
  }
}

TEST_F(qx770sim, PushIsConfirmedAndTakeIsReportedWithParametersAndSummary) {
  start();
  auto console = online();
  SETTINGS set;
  set.set_float(0x1407, -3.0f, 0);  // AGC/Comp Drv, a sound parameter
  set.set_float(0x1001, 6.0f, 0);   // Inp Analog Gain, an I/O parameter
  push(*console, 10, set, "Pushed Here");
  const tcApCodec::DirectoryEntry confirmed = entry_of(console->next(tcFrame::kDirectory));
  EXPECT_EQ(confirmed.slot, 10);
  EXPECT_STREQ(confirmed.header.name_text().c_str(), "Pushed Here");
  EXPECT_EQ(confirmed.header.present, 1);
  EXPECT_EQ(confirmed.header.word_a, 0xA11CEu);

  // Take without S_FOLLOW (mode 2): the I/O parameters of the bank stay.
  console->send(tcApCodec::take(2, 10, tcApCodec::kTakeAll));
  tcApCodec::RecordRun all;
  std::vector<Frame> frames;
  float drive = 0, gain = -1;
  for (int i = 0; i < 4; ++i) {
    frames.push_back(console->next(tcFrame::kBankParams));
    uint8_t bank = 99;
    ASSERT_EQ(tcApCodec::read_bank_params(view_of(frames.back()), bank, all), 0);
    EXPECT_EQ(bank, 2);
    if (find_record(all, 0x1407).id() == 0x1407) drive = find_record(all, 0x1407).as_float();
    if (find_record(all, 0x1001).id() == 0x1001) gain = find_record(all, 0x1001).as_float();
  }
  EXPECT_FLOAT_EQ(drive, -3.0f);
  EXPECT_FLOAT_EQ(gain, 0.0f);
  uint8_t bank = 99;
  tcPresetHeader header;
  ASSERT_EQ(
      tcApCodec::read_bank_summary(view_of(console->next(tcFrame::kBankSummary)), bank, header), 0);
  EXPECT_EQ(bank, 2);
  EXPECT_STREQ(header.name_text().c_str(), "Pushed Here");

  // The stored preset comes back with its values.
  std::vector<Frame> keep;
  const std::vector<tcApCodec::PresetPart> parts = fetch(*console, 10, keep);
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_FLOAT_EQ(find_record(parts[0].records, 0x1001).as_float(), 6.0f);
}

TEST_F(qx770sim, LockedSlotRefusesAPushAndRenameButAnswersWithItsEntry) {
  start();
  auto console = online();
  SETTINGS set;
  push(*console, 0, set, "Overwrite");  // slot 0 is factory-locked
  tcApCodec::DirectoryEntry entry = entry_of(console->next(tcFrame::kDirectory));
  EXPECT_EQ(entry.slot, 0);
  EXPECT_STREQ(entry.header.name_text().c_str(), "Classic Rock");
  EXPECT_EQ(entry.header.status, 2);

  console->send(tcApCodec::lock(0, 0));
  uint8_t slot = 9, lock = 9;
  ASSERT_EQ(tcApCodec::read_lock(view_of(console->next(tcFrame::kPresetLock)), slot, lock), 0);
  EXPECT_EQ(lock, 0);
  char name[40] = "Renamed";
  console->send(tcApCodec::rename(0, name));
  tcApCodec::Rename rename;
  const Frame renamed = console->next(tcFrame::kPresetRename);
  ASSERT_EQ(tcApCodec::read_rename(view_of(renamed), rename), 0);
  EXPECT_EQ(std::memcmp(rename.name, "Renamed", 8), 0);
}

TEST_F(qx770sim, UdpMetersCarryTheLatestTagAndFollowTheAnalysisType) {
  start();
  auto console = online();
  MeterPort meters;
  console->send(tcApCodec::meter_request_udp(meters.port(), 7));
  Frame record = meters.next_tagged(7);
  ASSERT_EQ(record.size(), tcMeterRecord::kSize);
  tcMeterRecord decoded;
  ASSERT_EQ(decoded.decode(record.data(), record.size()), 0);
  EXPECT_EQ(decoded.analysis()[0] & 1, 0) << "spectrum by default";

  console->send(tcApCodec::meter_request_udp(meters.port(), 8));
  const ParamRecord scope = ParamRecord::of_int(0x200C, 1);
  console->send(tcApCodec::globals(&scope, 1));
  bool saw_scope = false;
  for (int i = 0; i < 40 && !saw_scope; ++i) {
    record = meters.next_tagged(8);
    ASSERT_EQ(record.size(), tcMeterRecord::kSize);
    saw_scope = (record[tcMeterRecord::kSize - 500] & 1) != 0;
  }
  EXPECT_TRUE(saw_scope);
}

TEST_F(qx770sim, TcpMetersArriveAsMessagesAndReportTheClockSet) {
  start();
  auto console = online();
  tcApCodec::ClockSet clock;
  clock.year = 9;
  clock.month = 3;
  clock.day = 14;
  clock.hour = 15;
  clock.minute = 9;
  console->send(tcApCodec::clock_set(clock));
  console->send(tcApCodec::meter_request_tcp(5));
  for (int i = 0; i < 3; ++i) {
    const Frame f = console->next(tcFrame::kMeterRecord);
    const uint8_t* record = tcApCodec::read_meter_record(view_of(f));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record[tcMeterRecord::kTagOffset], 5);
    EXPECT_EQ(record[tcMeterRecord::kYearOffset], 9);
    EXPECT_EQ(record[tcMeterRecord::kMonthOffset], 3);
    EXPECT_EQ(record[tcMeterRecord::kDayOffset], 14);
    EXPECT_EQ(record[tcMeterRecord::kHourOffset], 15);
    EXPECT_EQ(record[tcMeterRecord::kWeekdayOffset], 6) << "14 March 2009 was a Saturday";
    console->send(tcApCodec::empty(tcFrame::kMeterAck));
  }
}

TEST_F(qx770sim, FirmwareBlocksAreAcknowledgedAndTheFlashCompletes) {
  start();
  auto console = online();
  uint8_t data[1024] = {'Q'};
  tcFrame block(0, 0);
  for (uint16_t n = 1; n <= 2; ++n) {
    ASSERT_EQ(tcApCodec::upgrade_block(n, 2, data, n == 2 ? 10 : 1024, block), 0);
    console->send(block);
    tcApCodec::UpgradeReply reply;
    ASSERT_EQ(tcApCodec::read_upgrade_reply(view_of(console->next(tcFrame::kUpgradeReply)), reply),
              0);
    EXPECT_EQ(reply.code, 0);
    EXPECT_EQ(reply.block, n);
  }
  bool done = false;
  for (int i = 0; i < 3 && !done; ++i) {
    tcApCodec::UpgradeReply reply;
    const Frame f = console->next(tcFrame::kUpgradeReply, 3000);
    ASSERT_FALSE(f.empty());
    ASSERT_EQ(tcApCodec::read_upgrade_reply(view_of(f), reply), 0);
    done = reply.code == 1 && reply.block == 2 && reply.blocks == 2;
  }
  EXPECT_TRUE(done);
}

TEST_F(qx770sim, ANewConnectionReplacesTheOldOne) {
  start();
  Console first(port_);
  first.login(0);
  ASSERT_FALSE(first.next(tcFrame::kLogin).empty());
  auto second = online();
  second->send(tcApCodec::empty(tcFrame::kVersionRequest));
  EXPECT_FALSE(second->next(tcFrame::kVersionReply).empty());
  EXPECT_TRUE(first.closed_by_peer(1000));
}

TEST_F(qx770sim, StateSurvivesARestart) {
  start({"--password", "studio"});
  {
    Console console(port_);
    console.login(tcCrc32::of_text("studio"));
    ASSERT_FALSE(console.next(tcFrame::kLogin).empty());
    SETTINGS set;
    set.set_float(0x1407, -5.0f, 0);
    push(console, 20, set, "Kept");
    ASSERT_FALSE(console.next(tcFrame::kDirectory, 3000).empty());
    console.send(tcApCodec::lock(20, 1));
    const ParamRecord gain = ParamRecord::of_float(0x1001, 4.0f);
    console.send(tcApCodec::bank_params(1, &gain, 1));
    const tcIddApGui::tsAPEvent events[2] = {{0xEFBBFF01u, 20}, {0x2u | (6u << 5), 3}};
    console.send(tcApCodec::event_part(1, 1, events, 2));
    console.drain(300);
  }
  stop();
  start();  // the stored password still stands
  Console console(port_);
  console.login(tcCrc32::of_text("studio"));
  uint16_t result = 0;
  ASSERT_EQ(tcApCodec::read_login_reply(view_of(console.next(tcFrame::kLogin)), result), 0);
  EXPECT_EQ(result, tcApCodec::kLoginAccepted);
  bool found = false;
  float gain = 0;
  for (const Frame& f : console.drain(500)) {
    tcApCodec::RecordRun run;
    uint8_t bank = 0;
    if (type_of(f) == tcFrame::kDirectory && tcApCodec::read_directory(view_of(f), run) == 0) {
      for (int i = 0; i < run.count; ++i) {
        tcPresetHeader header;
        if (run.summary(i, header) != 20) continue;
        found = true;
        EXPECT_STREQ(header.name_text().c_str(), "Kept");
        EXPECT_EQ(header.status, 1);
        EXPECT_EQ(header.word_a, 0xA11CEu);
      }
    }
    if (type_of(f) == tcFrame::kBankParams &&
        tcApCodec::read_bank_params(view_of(f), bank, run) == 0 && bank == 1 &&
        find_record(run, 0x1001).id() == 0x1001)
      gain = find_record(run, 0x1001).as_float();
  }
  EXPECT_TRUE(found);
  EXPECT_FLOAT_EQ(gain, 4.0f);

  console.send(tcApCodec::empty(tcFrame::kEventRequest));
  tcApCodec::EventPart part;
  const Frame f = console.next(tcFrame::kEventList);
  ASSERT_EQ(tcApCodec::read_event_part(view_of(f), part), 0);
  ASSERT_EQ(part.events.count, 2);
  EXPECT_EQ(part.events.event(0).word0, 0xEFBBFF01u);
  EXPECT_EQ(part.events.event(1).word1, 3u);

  std::vector<Frame> keep;
  const std::vector<tcApCodec::PresetPart> parts = fetch(console, 20, keep);
  ASSERT_EQ(parts.size(), 4u);
  float drive = 0;
  for (const tcApCodec::PresetPart& p : parts)
    if (find_record(p.records, 0x1407).id() == 0x1407)
      drive = find_record(p.records, 0x1407).as_float();
  EXPECT_FLOAT_EQ(drive, -5.0f);
}

TEST_F(qx770sim, TheConsolesOwnLinkFetchesPushesAndSendsChanges) {
  start();
  tcLinkTestWorld world;
  QSignalSpy accepted(&world.link_signals(), &tcLinkSignals::sig_connect_accepted);
  {
    tcApIface link("127.0.0.1", port_, world.link_stores());
    ASSERT_TRUE(wait_until([&] { return link.connected(); }));
    tcFrame login = tcApCodec::login_request(tcApCodec::kNoAccessCode);
    link.send_frame(login);
    ASSERT_TRUE(wait_until([&] { return accepted.count() == 1 && world.directory().present(5); }));
    tcPresetHeader entry;
    world.directory().get(0, entry);
    EXPECT_STREQ(entry.name_text().c_str(), "Classic Rock");

    SETTINGS fetched;
    ASSERT_EQ(world.fetch().grab_preset(link, 0, fetched), 0);
    EXPECT_FLOAT_EQ(fetched.eng(0x1407), -6.0f);

    fetched.set_float(0x1602, 2.5f, kSourceSilent);
    tcPresetHeader header;
    header.set_name("From Console");
    ASSERT_EQ(world.push().push_preset(link, 30, fetched, header), 0);
    world.directory().get(30, entry);
    EXPECT_STREQ(entry.name_text().c_str(), "From Console");

    world.banks().set(0)->set_float(0x1407, -2.0f, kSourceConsole);
    EXPECT_EQ(link.send_bank_changes(0), 1);
    QThread::msleep(200);
  }
  // A console that connects afterwards sees the change in bank 0.
  auto console = online_keeping_burst();
  float drive = 0;
  for (const Frame& f : burst_) {
    tcApCodec::RecordRun run;
    uint8_t bank = 9;
    if (type_of(f) == tcFrame::kBankParams &&
        tcApCodec::read_bank_params(view_of(f), bank, run) == 0 && bank == 0 &&
        find_record(run, 0x1407).id() == 0x1407)
      drive = find_record(run, 0x1407).as_float();
  }
  EXPECT_FLOAT_EQ(drive, -2.0f);
}

}  // namespace
