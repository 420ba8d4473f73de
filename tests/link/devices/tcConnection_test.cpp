#include "link/devices/tcConnection.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/core/tcOptions.h"
#include "link/devices/tcDeviceList.h"
#include "link/protocol/tcApCodec.h"
#include "link/protocol/tcIddApGui.h"
#include "tests/link/transport/tcLinkTestWorld.h"
#include "tests/support/tcLoopback.h"
#include "tests/support/tcModalDriver.h"

namespace {

// A processor on loopback: accepts one connection at a time and answers login
// requests, accepting only `password` (any code when it is unset).
class LoopbackPeer {
 public:
  LoopbackPeer() {
    listener_ = listen_on_loopback(&port_);
    thread_ = std::thread([this] { run(); });
  }
  ~LoopbackPeer() {
    stop_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    drop();
    thread_.join();
    ::close(listener_);
  }

  uint16_t port() const { return port_; }
  void require(uint32_t code) { password_ = code; }
  std::vector<uint16_t> types() {
    std::lock_guard<std::mutex> hold(lock_);
    return types_;
  }
  std::vector<uint32_t> logins() {
    std::lock_guard<std::mutex> hold(lock_);
    return logins_;
  }
  // Ends the current connection, as a restarting processor would.
  void drop() { ::shutdown(client_.load(), SHUT_RDWR); }

 private:
  class Deframer : public tcIddApGui::tcCmndRecvState {
   public:
    explicit Deframer(LoopbackPeer& peer) : peer_(peer) {}

   protected:
    void handle_message(uint32_t, uint32_t, const uint8_t* frame) override {
      peer_.on_frame(tcFrameView(frame, tcFrameView::header_length(frame)));
    }

   private:
    LoopbackPeer& peer_;
  };

  void run() {
    while (!stop_) {
      const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd < 0) return;
      client_ = fd;
      Deframer deframer(*this);
      uint8_t buffer[2048];
      ssize_t n;
      while (!stop_ && (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0) {
        deframer.recv(buffer, static_cast<size_t>(n));
      }
      client_ = -1;
      ::close(fd);
    }
  }

  void on_frame(const tcFrameView& frame) {
    uint32_t code = 0;
    {
      std::lock_guard<std::mutex> hold(lock_);
      types_.push_back(frame.type());
      if (frame.type() != tcFrame::kLogin || tcApCodec::read_login_request(frame, code) != 0)
        return;
      logins_.push_back(code);
    }
    const int64_t wanted = password_.load();
    const bool ok = wanted < 0 || static_cast<uint32_t>(wanted) == code;
    const tcFrame reply =
        tcApCodec::login_reply(ok ? tcApCodec::kLoginAccepted : tcApCodec::kLoginRejected);
    ::send(client_.load(), reply.data(), static_cast<size_t>(reply.length()), MSG_NOSIGNAL);
  }

  int listener_ = -1;
  uint16_t port_ = 0;
  std::atomic<int> client_{-1};
  std::atomic<bool> stop_{false};
  std::atomic<int64_t> password_{-1};
  std::mutex lock_;
  std::vector<uint16_t> types_;
  std::vector<uint32_t> logins_;
  std::thread thread_;
};

LinkTiming short_connect(int ms) {
  LinkTiming t;
  t.connect_wait_ms = ms;
  return t;
}

class Connection : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  tcOptions options{dir.filePath("qx770xpro.ini")};
  tcDeviceList devices{dir.path()};
  tcLinkTestWorld world;
  tcConnection connection{options, devices, world.link_stores()};
  std::vector<std::string> texts;  // every status text shown after the first, repeats folded
  std::string last_text = connection.status_text().toStdString();

  void SetUp() override {
    devices.add("Sim", "127.0.0.1");
    devices.find("Sim");
    QObject::connect(&connection, &tcConnection::sig_status_changed, &connection, [this] {
      const std::string text = connection.status_text().toStdString();
      if (text != last_text) texts.push_back(last_text = text);
    });
  }
  void target(uint16_t port, int connect_ms = 500) {
    connection.set_link_target(port, short_connect(connect_ms));
  }
  bool reaches(int state, int timeout_ms = 5000) {
    return wait_until([&] { return connection.state() == state; }, timeout_ms);
  }
  // Lets queued reports arrive.
  void settle(int ms = 100) {
    wait_until([] { return false; }, ms);
  }
  using Texts = std::vector<std::string>;
};

}  // namespace

TEST_F(Connection, LoginWithTheRememberedCodeGoesOnline) {
  LoopbackPeer peer;
  peer.require(0xCAFEF00Du);
  devices.current()->set_access(0x12345678u, 0x80000005u, true);
  devices.current()->set_rcrc(0xCAFEF00Du);
  target(peer.port());
  QSignalSpy meters(&connection, &tcConnection::sig_request_meters);
  QSignalSpy access(&connection, &tcConnection::sig_gui_access);

  connection.set_online(true);
  EXPECT_EQ(options.online(), 1);
  ASSERT_NE(connection.link(), nullptr);
  ASSERT_TRUE(reaches(tcConnection::kOnline));
  EXPECT_EQ(texts, (Texts{"Trying..", "Pending", "Online"}));
  EXPECT_EQ(connection.status_colour(), tcConnection::kColourNormal);
  EXPECT_EQ(peer.logins(), std::vector<uint32_t>{0xCAFEF00Du});
  EXPECT_EQ(meters.count(), 1);
  ASSERT_EQ(access.count(), 1);
  EXPECT_EQ(access.at(0).at(0).value<quint32>(), 0x12345678u);
  EXPECT_EQ(access.at(0).at(1).value<quint32>(), 0x80000005u);
  EXPECT_TRUE(access.at(0).at(2).toBool());
}

// The on-line mode applied twice in a row (start-up, then the menu): the first
// link's reports are still queued when the second link replaces it.
TEST_F(Connection, AReplacedLinksQueuedUpReportDoesNotLogInOnItsSuccessor) {
  LoopbackPeer peer;
  target(peer.port());
  connection.set_online(true);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // up, reported, not yet handled
  connection.set_online(true);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the successor is connected
  ASSERT_TRUE(reaches(tcConnection::kOnline));
  settle(300);
  // One login, so the processor sends its picture once.
  EXPECT_EQ(peer.logins().size(), 1u);
}

TEST_F(Connection, AReplacedLinksLoginAnswerDoesNotPutItsSuccessorOnline) {
  LoopbackPeer peer;
  target(peer.port());
  QSignalSpy meters(&connection, &tcConnection::sig_request_meters);
  connection.set_online(true);
  ASSERT_TRUE(wait_until([&] { return !peer.logins().empty(); }, 5000));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // accepted, not yet handled
  connection.set_online(true);
  ASSERT_TRUE(wait_until([&] { return peer.logins().size() == 2; }, 5000));
  ASSERT_TRUE(reaches(tcConnection::kOnline));
  settle(300);
  EXPECT_EQ(texts, (Texts{"Trying..", "Pending", "Offline", "Trying..", "Pending", "Online"}));
  EXPECT_EQ(meters.count(), 1);
}

TEST_F(Connection, ForceConnectGoesOnlineWithoutALogin) {
  LoopbackPeer peer;
  options.set_force_connect(1);
  target(peer.port());
  connection.set_online(true);
  ASSERT_TRUE(reaches(tcConnection::kOnline));
  EXPECT_EQ(texts, (Texts{"Trying..", "Online"}));
  settle();
  EXPECT_TRUE(peer.types().empty());
}

TEST_F(Connection, RejectedLoginWithANewRememberedPassword) {
  LoopbackPeer peer;
  peer.require(0xA5A5A5A5u);
  target(peer.port());
  int prompts = 0;
  connection.set_login_prompt([&] {
    ++prompts;
    return tcConnection::LoginEntry{true, 0xA5A5A5A5u, true};
  });
  connection.set_online(true);
  ASSERT_TRUE(reaches(tcConnection::kOnline));
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(peer.logins(), (std::vector<uint32_t>{0u, 0xA5A5A5A5u}));
  tcDeviceList reloaded(dir.path());
  reloaded.load("Sim");
  EXPECT_EQ(reloaded.current()->rcrc(), 0xA5A5A5A5u);

  // The processor restarts: the remembered code gets in at once.
  texts.clear();
  peer.drop();
  ASSERT_TRUE(wait_until([&] { return texts.size() >= 4 && texts.back() == "Online"; }));
  EXPECT_EQ(texts, (Texts{"Offline", "Trying..", "Pending", "Online"}));
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(peer.logins().back(), 0xA5A5A5A5u);
}

TEST_F(Connection, RejectedLoginCancelledLeavesOnlineModeOff) {
  LoopbackPeer peer;
  peer.require(1u);
  target(peer.port());
  std::vector<std::string> at_prompt;
  connection.set_login_prompt([&] {
    at_prompt = texts;
    return tcConnection::LoginEntry{};
  });
  QSignalSpy online(&connection, &tcConnection::sig_online_changed);
  connection.set_online(true);
  ASSERT_TRUE(reaches(tcConnection::kOffline));
  EXPECT_EQ(at_prompt, (Texts{"Trying..", "Pending"}));
  EXPECT_EQ(texts, (Texts{"Trying..", "Pending", "Rejected", "Offline"}));
  EXPECT_FALSE(connection.online());
  EXPECT_EQ(connection.link(), nullptr);
  EXPECT_EQ(options.online(), 0);
  EXPECT_EQ(connection.status_colour(), tcConnection::kColourNormal);
  ASSERT_EQ(online.count(), 2);
  EXPECT_FALSE(online.at(1).at(0).toBool());
  settle();
  EXPECT_EQ(peer.logins().size(), 1u);
}

TEST_F(Connection, SwitchingOffWhileOnlineDeletesTheLinkAndCleansUp) {
  LoopbackPeer peer;
  target(peer.port());
  connection.set_online(true);
  ASSERT_TRUE(reaches(tcConnection::kOnline));

  tcPresetHeader header;
  header.set_name("Rock");
  header.present = 1;
  world.directory().set(5, header);
  QSignalSpy summary(&connection, &tcConnection::sig_summary_changed);
  QSignalSpy cleared(&connection, &tcConnection::sig_gui_access_cleared);

  connection.set_online(false);
  EXPECT_EQ(connection.link(), nullptr);
  EXPECT_EQ(connection.state(), tcConnection::kOnline);  // until the link's end arrives
  ASSERT_TRUE(reaches(tcConnection::kOffline));
  EXPECT_EQ(texts.back(), "Offline");
  EXPECT_EQ(connection.status_colour(), tcConnection::kColourNormal);
  EXPECT_FALSE(world.directory().present(5));
  EXPECT_EQ(summary.count(), 1);
  EXPECT_EQ(cleared.count(), 1);
  EXPECT_TRUE(world.fetch().done());
  EXPECT_TRUE(world.push().done());
  EXPECT_EQ(options.online(), 0);
}

TEST_F(Connection, NobodyAnsweringCyclesTryingAndOffline) {
  target(unused_loopback_port(), 150);
  QElapsedTimer clock;
  std::vector<qint64> tries;  // when each "Trying.." appeared
  // Queued to this thread, like the window's slots.
  const QMetaObject::Connection watch = QObject::connect(
      &connection, &tcConnection::sig_connecting, &connection,
      [&] { tries.push_back(clock.elapsed()); }, Qt::QueuedConnection);
  clock.start();
  connection.set_online(true);
  ASSERT_TRUE(wait_until([&] { return texts.size() >= 4; }, 3000));
  ASSERT_GE(tries.size(), 2u);
  EXPECT_GE(tries[1] - tries[0], 140);  // a refused attempt still lasts its window
  EXPECT_EQ(Texts(texts.begin(), texts.begin() + 4),
            (Texts{"Trying..", "Offline", "Trying..", "Offline"}));
  ASSERT_TRUE(reaches(tcConnection::kOffline));
  EXPECT_EQ(connection.status_colour(), tcConnection::kColourAlert);  // on-line mode is on
  QObject::disconnect(watch);
}

TEST_F(Connection, LoginWithoutACurrentDeviceCarriesNoCode) {
  LoopbackPeer peer;
  target(peer.port());
  devices.current()->set_rcrc(7u);
  connection.set_online(true);
  ASSERT_TRUE(reaches(tcConnection::kOnline));
  devices.set_current(-1);  // the link stays until switched off
  texts.clear();
  peer.drop();
  ASSERT_TRUE(wait_until([&] { return texts.size() >= 4 && texts.back() == "Online"; }));
  EXPECT_EQ(peer.logins(), (std::vector<uint32_t>{7u, 0xFFFFFFFFu}));
}

TEST_F(Connection, WithoutACurrentDeviceNoLinkIsMade) {
  devices.set_current(-1);
  connection.set_online(true);
  EXPECT_TRUE(connection.online());
  EXPECT_EQ(connection.link(), nullptr);
  EXPECT_EQ(connection.state(), tcConnection::kStartUp);
}

TEST_F(Connection, StartupAppliesTheStoredMode) {
  LoopbackPeer peer;
  target(peer.port());
  options.set_online(1);
  connection.slot_startup_connect();
  EXPECT_NE(connection.link(), nullptr);
  ASSERT_TRUE(reaches(tcConnection::kOnline));
}

TEST_F(Connection, GateLetsActionsThroughOnlyWhenOnline) {
  QString title, text;
  answer_next_box(QMessageBox::Ok, &title, &text);
  EXPECT_FALSE(connection.gate(nullptr, tcConnection::kGateSetTime));
  EXPECT_EQ(title, "Set Time");
  EXPECT_EQ(text, "You must be online to perform this action.");

  LoopbackPeer peer;
  target(peer.port());
  connection.set_online(true);
  ASSERT_TRUE(reaches(tcConnection::kOnline));
  EXPECT_TRUE(connection.gate(nullptr, tcConnection::kGatePresetSave));
}
