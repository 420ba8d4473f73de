#include "link/transport/tcPresetGrabber.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "link/protocol/tcParamWire.h"
#include "params/SETTINGS.h"
#include "tests/link/transport/tcLinkTestWorld.h"
#include "tests/support/tcLoopback.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A processor reduced to what a test needs: one connection on loopback, frames
// deframed with the console's own deframer and answered by a test-supplied rule.
class TinyPeer : public tcIddApGui::tcCmndRecvState {
 public:
  using Rule = std::function<void(TinyPeer&, const tcFrameView&)>;

  explicit TinyPeer(Rule rule) : rule_(std::move(rule)) {
    listener_ = listen_on_loopback(&port_);
    thread_ = std::thread([this] { serve(); });
  }
  ~TinyPeer() override {
    stop_ = true;
    thread_.join();
    if (conn_ >= 0) ::close(conn_);
    if (listener_ >= 0) ::close(listener_);
  }

  uint16_t port() const { return port_; }
  void reply(const tcFrame& frame) {
    ::send(conn_, frame.data(), static_cast<size_t>(frame.length()), MSG_NOSIGNAL);
  }
  // Drops the connection and accepts no other.
  void hang_up() {
    ::close(conn_);
    conn_ = -1;
    ::close(listener_);
    listener_ = -1;
  }
  std::vector<Bytes> received() {
    std::lock_guard<std::mutex> hold(lock_);
    return received_;
  }

 protected:
  void handle_message(uint32_t, uint32_t, const uint8_t* frame) override {
    const tcFrameView view(frame, tcFrameView::header_length(frame));
    {
      std::lock_guard<std::mutex> hold(lock_);
      received_.emplace_back(frame, frame + view.length());
    }
    rule_(*this, view);
  }

 private:
  void serve() {
    while (!stop_) {
      const int fd = conn_ >= 0 ? conn_ : listener_;
      if (fd < 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        continue;
      }
      pollfd p = {fd, POLLIN, 0};
      if (::poll(&p, 1, 20) <= 0) continue;
      if (conn_ < 0) {
        conn_ = ::accept(listener_, nullptr, nullptr);
        continue;
      }
      uint8_t buf[4096];
      const ssize_t n = ::recv(conn_, buf, sizeof buf, 0);
      if (n <= 0) {
        ::close(conn_);
        conn_ = -1;
        continue;
      }
      recv(buf, static_cast<size_t>(n));
    }
  }

  Rule rule_;
  int listener_ = -1;
  int conn_ = -1;
  uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex lock_;
  std::vector<Bytes> received_;
};

// The peer's own preset: every parameter's default except two.
struct PeerPreset {
  SETTINGS values;
  PeerPreset() {
    values.set_float(0x1001, -12.0f, kSourceSilent);
    values.set_int(0x1940, 1, kSourceSilent);
  }
};

void answer(TinyPeer& peer, const tcFrameView& frame, const SETTINGS& preset) {
  switch (frame.type()) {
    case tcFrame::kLogin: {
      uint32_t code = 0;
      if (tcApCodec::read_login_request(frame, code) == 0)
        peer.reply(tcApCodec::login_reply(code == 0xFFFFFFFFu ? tcApCodec::kLoginAccepted
                                                              : tcApCodec::kLoginRejected));
      break;
    }
    case tcFrame::kPresetRequest: {
      uint8_t slot = 0;
      tcApCodec::read_preset_request(frame, slot);
      if (slot == 7) {  // this slot makes the processor vanish
        peer.hang_up();
        break;
      }
      const tcParamTable& table = preset.table();
      const int parts = (table.count() + 147) / 148;
      for (int p = 0; p < parts; ++p) {
        ParamRecord recs[148];
        const int count = std::min(148, table.count() - p * 148);
        for (int i = 0; i < count; ++i)
          tcParamWire::record_of(preset, table.rows()[p * 148 + i].id, recs[i]);
        peer.reply(tcApCodec::preset_part(slot, p + 1, parts, recs, count));
      }
      break;
    }
    case tcFrame::kDirectory: {
      // Confirm a stored preset with the processor's own entry for that slot.
      tcApCodec::RecordRun run;
      tcApCodec::DirectoryEntry entry;
      if (tcApCodec::read_directory(frame, run) != 0 || run.count < 1) break;
      entry.slot = run.summary(0, entry.header);
      entry.header.status = 1;
      peer.reply(tcApCodec::directory(&entry, 1));
      break;
    }
    default:
      break;
  }
}

struct StatusLog {
  std::mutex lock;
  std::vector<LinkStatus> codes;
  static void record(void* self, LinkStatus status) {
    auto* log = static_cast<StatusLog*>(self);
    std::lock_guard<std::mutex> hold(log->lock);
    log->codes.push_back(status);
  }
};

}  // namespace

TEST(tcPresetGrabber, LoginThenFetchAndPushOverLoopback) {
  tcLinkTestWorld world;
  PeerPreset preset;
  TinyPeer peer([&](TinyPeer& p, const tcFrameView& f) { answer(p, f, preset.values); });
  StatusLog log;
  tcApIface link("127.0.0.1", peer.port(), world.link_stores(), &StatusLog::record, &log,
                 quick_timing());

  QObject gui;
  int accepted = 0;
  QObject::connect(
      &world.link_signals(), &tcLinkSignals::sig_connect_accepted, &gui, [&] { ++accepted; },
      Qt::QueuedConnection);
  ASSERT_TRUE(wait_until([&] { return link.connected(); }));
  tcFrame login = tcApCodec::login_request(tcApCodec::kNoAccessCode);
  link.send_frame(login);
  ASSERT_TRUE(wait_until([&] { return accepted == 1; }));
  {
    std::lock_guard<std::mutex> hold(log.lock);
    ASSERT_GE(log.codes.size(), 2u);
    EXPECT_EQ(log.codes[0], LINK_CONNECTING);
    EXPECT_EQ(log.codes[1], LINK_UP);
  }
  ASSERT_EQ(peer.received().size(), 1u);
  EXPECT_EQ(peer.received()[0], Bytes(login.data(), login.data() + 12));

  // Fetch: all four parts land in the target, silently.
  SETTINGS target;
  EXPECT_EQ(world.fetch().grab_preset(link, 5, target), 0);
  EXPECT_FLOAT_EQ(target.eng(0x1001), -12.0f);
  EXPECT_EQ(target.int_value(0x1940), 1u);
  EXPECT_EQ(world.fetch().slot(), tcPresetGrabber::kIdle);

  // Push: parts and directory entry go out; the processor's entry confirms it.
  tcPresetHeader header;
  header.set_name("From the console");
  EXPECT_EQ(world.push().push_preset(link, 6, target, header), 0);
  const auto got = peer.received();
  ASSERT_EQ(got.size(), 1u + 1u + 4u + 1u);
  EXPECT_EQ(got[2][4], 0x01);  // 0x2001
  EXPECT_EQ(got[6][4], 0x02);  // 0x2002
  tcPresetHeader stored;
  ASSERT_EQ(world.directory().get(6, stored), 0);
  EXPECT_EQ(stored.name_text(), "From the console");
  EXPECT_EQ(stored.status, 1);

  // A processor that vanishes mid-fetch ends the wait.
  SETTINGS lost;
  EXPECT_EQ(world.fetch().grab_preset(link, 7, lost), -1);
  EXPECT_EQ(world.fetch().slot(), tcPresetGrabber::kIdle);
}

TEST(tcPresetGrabber, PartsForAnotherSlotOrWhileIdleAreIgnored) {
  SETTINGS target;
  tcPresetGrabber grabber;
  ParamRecord rec = ParamRecord::of_float(0x1001, -20.0f);
  tcFrame f = tcApCodec::preset_part(3, 1, 1, &rec, 1);
  tcApCodec::PresetPart part;
  ASSERT_EQ(tcApCodec::read_preset_part(tcFrameView(f.data(), f.length()), part), 0);
  grabber.take_part(part);  // idle
  grabber.take_directory_entry(3);
  EXPECT_FALSE(grabber.done());
  EXPECT_FLOAT_EQ(target.eng(0x1001), 0.0f);
}

TEST(tcPresetGrabber, LinkGoingAwayEndsAWait) {
  tcLinkTestWorld world;
  {
    tcApIface link("256.0.0.1", tcApIface::kPort, world.link_stores(), nullptr, nullptr,
                   quick_timing());
  }
  EXPECT_TRUE(world.fetch().done());
  EXPECT_TRUE(world.push().done());
}

TEST(tcPresetGrabber, SlotTwoFiftyFiveIsRefusedAtOnce) {
  tcLinkTestWorld world;
  TinyPeer peer([](TinyPeer&, const tcFrameView&) {});  // would never answer
  tcApIface link("127.0.0.1", peer.port(), world.link_stores(), nullptr, nullptr, quick_timing());
  ASSERT_TRUE(wait_until([&] { return link.connected(); }));
  SETTINGS target;
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(world.fetch().grab_preset(link, tcPresetGrabber::kIdle, target), -1);
  EXPECT_EQ(world.push().push_preset(link, tcPresetGrabber::kIdle, target, tcPresetHeader()), -1);
  EXPECT_LT(timer.elapsed(), 1000);
  QThread::msleep(50);
  EXPECT_TRUE(peer.received().empty());  // nothing was asked for
}
