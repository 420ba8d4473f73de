#include "link/transport/tcQTcpClient.h"
#include "tests/support/tcLoopback.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

double seconds_since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// What the transport reported, in order, from whichever thread.
class Recorder {
 public:
  LinkCallbacks callbacks() {
    LinkCallbacks c;
    c.context = this;
    c.data = [](void* self, const uint8_t* bytes, int count) {
      static_cast<Recorder*>(self)->on_data(bytes, count);
    };
    c.status = [](void* self, LinkStatus status) {
      static_cast<Recorder*>(self)->on_status(status);
    };
    return c;
  }

  // Waits until `done` holds for the statuses seen so far.
  bool wait_for(const std::function<bool(const std::vector<LinkStatus>&)>& done, int ms = 3000) {
    std::unique_lock<std::mutex> hold(mutex_);
    return changed_.wait_for(hold, milliseconds(ms), [&] { return done(statuses_); });
  }
  bool wait_for_count(LinkStatus status, int count, int ms = 3000) {
    return wait_for(
        [&](const std::vector<LinkStatus>& s) { return occurrences(s, status) >= count; }, ms);
  }
  bool wait_for_data(size_t size, int ms = 3000) {
    std::unique_lock<std::mutex> hold(mutex_);
    return changed_.wait_for(hold, milliseconds(ms), [&] { return data_.size() >= size; });
  }
  std::vector<LinkStatus> statuses() {
    std::lock_guard<std::mutex> hold(mutex_);
    return statuses_;
  }
  std::string data() {
    std::lock_guard<std::mutex> hold(mutex_);
    return data_;
  }
  static int occurrences(const std::vector<LinkStatus>& s, LinkStatus status) {
    return static_cast<int>(std::count(s.begin(), s.end(), status));
  }

 private:
  void on_data(const uint8_t* bytes, int count) {
    std::lock_guard<std::mutex> hold(mutex_);
    data_.append(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count));
    changed_.notify_all();
  }
  void on_status(LinkStatus status) {
    std::lock_guard<std::mutex> hold(mutex_);
    statuses_.push_back(status);
    changed_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<LinkStatus> statuses_;
  std::string data_;
};

// Every socket's life reads CONNECTING (UP)? DOWN, each attempt ending in exactly
// one DOWN; a final LINK_CLOSED may end the whole and may cut the last attempt.
::testing::AssertionResult WellFormed(const std::vector<LinkStatus>& s) {
  enum { kIdle, kAttempt, kUp } state = kIdle;
  for (size_t i = 0; i < s.size(); ++i) {
    const LinkStatus st = s[i];
    bool ok = false;
    if (st == LINK_CLOSED) {
      ok = i + 1 == s.size();
    } else if (st == LINK_CONNECTING) {
      ok = state == kIdle;
      state = kAttempt;
    } else if (st == LINK_UP) {
      ok = state == kAttempt;
      state = kUp;
    } else if (st == LINK_DOWN) {
      ok = state != kIdle;
      state = kIdle;
    }
    if (!ok) return ::testing::AssertionFailure() << "status " << st << " out of place at " << i;
  }
  return ::testing::AssertionSuccess();
}

// A processor stand-in on 127.0.0.1 with an ephemeral port.
class LoopbackPeer {
 public:
  enum Mode {
    kCloseAtOnce,  // accept and close at once
    kHold,         // accept, send the greeting, never read
    kRead,         // accept, send the greeting, read everything
  };

  explicit LoopbackPeer(Mode mode, std::string greeting = std::string())
      : mode_(mode), greeting_(std::move(greeting)) {
    listener_ = listen_on_loopback(&port_);
    if (listener_ < 0) ADD_FAILURE() << "loopback peer could not listen";
    thread_ = std::thread([this] { serve(); });
  }
  ~LoopbackPeer() {
    stop_ = true;
    thread_.join();
    drop_clients();
    ::close(listener_);
  }

  uint16_t port() const { return port_; }
  // The client's connect completes before the accept; wait for the accept.
  bool wait_accepted(int count) {
    const auto start = Clock::now();
    while (seconds_since(start) < 3) {
      {
        std::lock_guard<std::mutex> hold(mutex_);
        if (static_cast<int>(clients_.size()) >= count) return true;
      }
      std::this_thread::sleep_for(milliseconds(2));
    }
    return false;
  }
  void drop_clients() {
    std::lock_guard<std::mutex> hold(mutex_);
    for (int fd : clients_) ::close(fd);
    clients_.clear();
  }
  std::string received() {
    std::lock_guard<std::mutex> hold(mutex_);
    return received_;
  }

 private:
  void serve() {
    while (!stop_) {
      pollfd fds[8] = {};
      int n = 0;
      fds[n++] = {listener_, POLLIN, 0};
      {
        std::lock_guard<std::mutex> hold(mutex_);
        for (int fd : clients_) {
          if (mode_ == kRead && n < 8) fds[n++] = {fd, POLLIN, 0};
        }
      }
      if (::poll(fds, static_cast<nfds_t>(n), 20) <= 0) continue;
      std::lock_guard<std::mutex> hold(mutex_);
      if (fds[0].revents & POLLIN) accept_one();
      for (int i = 1; i < n; ++i) {
        if (!(fds[i].revents & POLLIN)) continue;
        char buffer[4096];
        const ssize_t count = ::recv(fds[i].fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (count > 0) received_.append(buffer, static_cast<size_t>(count));
      }
    }
  }
  void accept_one() {
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) return;
    if (mode_ == kCloseAtOnce) {
      ::close(fd);
      return;
    }
    if (!greeting_.empty()) ::send(fd, greeting_.data(), greeting_.size(), MSG_NOSIGNAL);
    clients_.push_back(fd);
  }

  const Mode mode_;
  const std::string greeting_;
  int listener_ = -1;
  uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::vector<int> clients_;
  std::string received_;
};

LinkTiming fast_timing(int connect_wait_ms = 200, double send_limit_s = 20.0) {
  LinkTiming timing;
  timing.connect_wait_ms = connect_wait_ms;
  timing.send_limit_s = send_limit_s;
  return timing;
}

bool has_up(const std::vector<LinkStatus>& s) {
  return Recorder::occurrences(s, LINK_UP) > 0;
}

}  // namespace

TEST(tcQTcpClient, PeerThatClosesAtOnceGivesUpDownThenANewAttempt) {
  LoopbackPeer peer(LoopbackPeer::kCloseAtOnce);
  Recorder rec;
  auto link =
      std::make_unique<tcQTcpClient>("127.0.0.1", peer.port(), rec.callbacks(), fast_timing());
  ASSERT_TRUE(rec.wait_for([](const std::vector<LinkStatus>& s) {
    return s.size() >= 4 && s[0] == LINK_CONNECTING && s[1] == LINK_UP && s[2] == LINK_DOWN &&
           s[3] == LINK_CONNECTING;
  }));
  link.reset();
  const auto s = rec.statuses();
  EXPECT_TRUE(WellFormed(s));
  EXPECT_EQ(s.back(), LINK_CLOSED);
  EXPECT_EQ(Recorder::occurrences(s, LINK_CLOSED), 1);
}

TEST(tcQTcpClient, BytesTravelBothWays) {
  LoopbackPeer peer(LoopbackPeer::kRead, "hello console");
  Recorder rec;
  tcQTcpClient link("127.0.0.1", peer.port(), rec.callbacks(), fast_timing());
  ASSERT_TRUE(rec.wait_for_data(13));
  EXPECT_EQ(rec.data(), "hello console");
  ASSERT_TRUE(link.connected());

  std::string block(20000, '\0');
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 7);
  EXPECT_EQ(link.send(block.data(), static_cast<int>(block.size())), 20000);
  const auto start = Clock::now();
  while (peer.received().size() < block.size() && seconds_since(start) < 3) {
    std::this_thread::sleep_for(milliseconds(5));
  }
  EXPECT_EQ(peer.received(), block);
  EXPECT_EQ(link.send(nullptr, 4), -1);
}

TEST(tcQTcpClient, UnparsableOrRefusedAddressNeverConnectsKeepsItsPaceAndRefusesSends) {
  struct Case {
    const char* address;
    uint16_t port;
  } const cases[] = {{"not an address", 55900}, {"127.0.0.1", unused_loopback_port()}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    Recorder rec;
    const auto start = Clock::now();
    auto link =
        std::make_unique<tcQTcpClient>(c.address, c.port, rec.callbacks(), fast_timing(150));
    const char bytes[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(link->send(bytes, sizeof bytes), -1);
    ASSERT_TRUE(rec.wait_for_count(LINK_DOWN, 1));
    EXPECT_EQ(link->send(bytes, sizeof bytes), -1);
    ASSERT_TRUE(rec.wait_for_count(LINK_CONNECTING, 3));
    // A failed attempt lasts its whole window: two have passed before the third.
    EXPECT_GE(seconds_since(start), 0.29);
    link.reset();
    const auto s = rec.statuses();
    EXPECT_TRUE(WellFormed(s));
    EXPECT_FALSE(has_up(s));
    EXPECT_GE(Recorder::occurrences(s, LINK_DOWN), 2);
  }
}

TEST(tcQTcpClient, DestructionReturnsPromptlyFromEitherWait) {
  LoopbackPeer peer(LoopbackPeer::kHold);
  {
    SCOPED_TRACE("receive wait");
    Recorder rec;
    auto link = std::make_unique<tcQTcpClient>("127.0.0.1", peer.port(), rec.callbacks());
    ASSERT_TRUE(rec.wait_for_count(LINK_UP, 1));
    std::this_thread::sleep_for(milliseconds(50));  // the worker is now in its 5-second wait
    const auto start = Clock::now();
    link.reset();
    EXPECT_LT(seconds_since(start), 1.0);
    // Destruction reports LINK_CLOSED instead of LINK_DOWN.
    EXPECT_EQ(rec.statuses(), (std::vector<LinkStatus>{LINK_CONNECTING, LINK_UP, LINK_CLOSED}));
  }
  {
    SCOPED_TRACE("connect wait");
    Recorder rec;
    auto link = std::make_unique<tcQTcpClient>("not an address", 55900, rec.callbacks());
    ASSERT_TRUE(rec.wait_for_count(LINK_CONNECTING, 1));
    std::this_thread::sleep_for(milliseconds(50));
    const auto start = Clock::now();
    link.reset();
    EXPECT_LT(seconds_since(start), 1.0);
    EXPECT_EQ(rec.statuses(), (std::vector<LinkStatus>{LINK_CONNECTING, LINK_CLOSED}));
  }
}

TEST(tcQTcpClient, DisconnectReportsDownOnceAndTheLinkComesBack) {
  LoopbackPeer peer(LoopbackPeer::kRead);
  Recorder rec;
  tcQTcpClient link("127.0.0.1", peer.port(), rec.callbacks(), fast_timing());
  ASSERT_TRUE(rec.wait_for_count(LINK_UP, 1));
  link.disconnect();
  EXPECT_FALSE(link.connected());
  link.disconnect();  // nothing open any more: no second report
  ASSERT_TRUE(rec.wait_for_count(LINK_UP, 2));
  const auto s = rec.statuses();
  EXPECT_TRUE(WellFormed(s));
  EXPECT_EQ(
      std::vector<LinkStatus>(s.begin(), s.begin() + 5),
      (std::vector<LinkStatus>{LINK_CONNECTING, LINK_UP, LINK_DOWN, LINK_CONNECTING, LINK_UP}));
}

TEST(tcQTcpClient, SendsToAVanishedPeerFailWithoutKillingTheProcess) {
  auto peer = std::make_unique<LoopbackPeer>(LoopbackPeer::kRead);
  Recorder rec;
  tcQTcpClient link("127.0.0.1", peer->port(), rec.callbacks(), fast_timing());
  ASSERT_TRUE(rec.wait_for_count(LINK_UP, 1));
  ASSERT_TRUE(peer->wait_accepted(1));
  // The peer goes away whole, listener included, so the link cannot come back
  // to it between the sends.
  peer.reset();
  const char bytes[64] = {};
  int result = 0;
  const auto start = Clock::now();
  while (result >= 0 && seconds_since(start) < 5.0) {
    result = link.send(bytes, sizeof bytes);
    std::this_thread::sleep_for(milliseconds(1));
  }
  EXPECT_EQ(result, -1);
  ASSERT_TRUE(rec.wait_for_count(LINK_DOWN, 1));
  EXPECT_TRUE(WellFormed(rec.statuses()));
}

TEST(tcQTcpClient, FullSocketBufferIsRetriedUntilTheLimitThenTheLinkDrops) {
  LoopbackPeer peer(LoopbackPeer::kHold);  // never reads
  Recorder rec;
  tcQTcpClient link("127.0.0.1", peer.port(), rec.callbacks(), fast_timing(200, 0.2));
  ASSERT_TRUE(rec.wait_for_count(LINK_UP, 1));

  const std::vector<char> big(8 << 20, 'x');
  auto start = Clock::now();
  const int partial = link.send(big.data(), static_cast<int>(big.size()));
  EXPECT_GE(seconds_since(start), 0.2);
  EXPECT_GT(partial, 0);  // some went out before the buffers filled: the link stays
  EXPECT_LT(partial, static_cast<int>(big.size()));
  EXPECT_TRUE(link.connected());
  EXPECT_EQ(Recorder::occurrences(rec.statuses(), LINK_DOWN), 0);

  // Once not one byte fits any more, the send gives up and drops the link.
  int result = 1;
  for (int i = 0; i < 10 && result > 0; ++i) {
    start = Clock::now();
    result = link.send(big.data(), 65536);
  }
  EXPECT_EQ(result, 0);
  EXPECT_GE(seconds_since(start), 0.2);
  EXPECT_FALSE(link.connected());
  ASSERT_TRUE(rec.wait_for_count(LINK_DOWN, 1));
  EXPECT_TRUE(WellFormed(rec.statuses()));
}
