#include "link/transport/tcMeterIface.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::vector<uint8_t> record(uint8_t tag, uint8_t marker) {
  std::vector<uint8_t> r(684, 0);
  std::memcpy(r.data(), "TOLVANEMETERMSG_", 16);
  r[16] = 2;
  r[17] = tag;
  r[40] = marker;
  return r;
}

// A UDP socket bound to `port` on every interface, or -1 when the port is taken.
int bind_udp(uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in local = {};
  local.sin_family = AF_INET;
  local.sin_port = htons(port);
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  if (::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0) return fd;
  ::close(fd);
  return -1;
}

// Counts the records the listener stored, so tests wait on arrivals, not on time.
struct Arrivals {
  static void notify(void* self) {
    auto* a = static_cast<Arrivals*>(self);
    std::lock_guard<std::mutex> hold(a->mutex);
    ++a->count;
    a->changed.notify_all();
  }
  bool wait_for(int n) {
    std::unique_lock<std::mutex> hold(mutex);
    return changed.wait_for(hold, std::chrono::seconds(3), [&] { return count >= n; });
  }
  std::mutex mutex;
  std::condition_variable changed;
  int count = 0;
};

class Sender {
 public:
  explicit Sender(uint16_t port) : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    to_.sin_family = AF_INET;
    to_.sin_port = htons(port);
    to_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  }
  ~Sender() { ::close(fd_); }
  void send(const std::vector<uint8_t>& bytes, size_t length) {
    ::sendto(fd_, bytes.data(), length, 0, reinterpret_cast<const sockaddr*>(&to_), sizeof to_);
  }
  void send(const std::vector<uint8_t>& bytes) { send(bytes, bytes.size()); }

 private:
  const int fd_;
  sockaddr_in to_ = {};
};

}  // namespace

TEST(tcMeterIface, MovesPastTakenPortsOfTheRange) {
  // 60001 to 60005 taken (by us, or already by another program): the listener
  // binds further up the range.
  std::vector<int> blockers;
  for (uint16_t port = tcMeterIface::kFirstPort; port < tcMeterIface::kFirstPort + 5; ++port) {
    const int fd = bind_udp(port);
    if (fd >= 0) blockers.push_back(fd);
  }
  tcMeterIface listener;
  ASSERT_TRUE(listener.listening());
  EXPECT_GT(listener.port(), tcMeterIface::kFirstPort + 4);
  EXPECT_LE(listener.port(), tcMeterIface::kFirstPort + tcMeterIface::kPortAttempts - 1);
  for (int fd : blockers) ::close(fd);
}

TEST(tcMeterIface, KeepsOnlyTheNewestValidDatagramAndHandsItOutOnce) {
  Arrivals arrivals;
  tcMeterIface listener(&arrivals, &Arrivals::notify);
  ASSERT_TRUE(listener.listening());
  const uint8_t tag = listener.next_request_tag();
  Sender sender(listener.port());
  tcMeterRecord taken;
  EXPECT_EQ(listener.take_record(taken), -1);

  auto bad_magic = record(tag, 9);
  bad_magic[0] = 'X';
  auto bad_format = record(tag, 9);
  bad_format[16] = 3;
  auto longer = record(tag, 9);
  longer.push_back(0);
  sender.send(record(tag, 9), 683);
  sender.send(longer);
  sender.send(bad_magic);
  sender.send(bad_format);
  sender.send(record(static_cast<uint8_t>(tag - 1), 9));  // answers an older request
  sender.send(std::vector<uint8_t>(3, 0xA5));
  sender.send(record(tag, 1));
  sender.send(record(tag, 2));
  ASSERT_TRUE(arrivals.wait_for(2));
  EXPECT_EQ(arrivals.count, 2);  // none of the bad ones was stored
  ASSERT_EQ(listener.take_record(taken), 0);
  EXPECT_EQ(taken.meter(0), 2);
  EXPECT_EQ(listener.take_record(taken), -1);
}

TEST(tcMeterIface, RecordsFromTheTcpLinkGoThroughTheSameChecks) {
  tcMeterIface listener;
  const uint8_t tag = listener.next_request_tag();
  EXPECT_EQ(listener.request_tag(), tag);
  const auto good = record(tag, 5);
  EXPECT_EQ(listener.store_record(good.data(), 683), -1);
  EXPECT_EQ(listener.store_record(nullptr, 684), -1);
  EXPECT_EQ(listener.store_record(good.data(), good.size()), 0);
  listener.next_request_tag();
  EXPECT_EQ(listener.store_record(good.data(), good.size()), -1);  // now stale
  tcMeterRecord taken;
  ASSERT_EQ(listener.take_record(taken), 0);
  EXPECT_EQ(taken.meter(0), 5);
}

TEST(tcMeterIface, CloseEndsTheThreeSecondWaitPromptly) {
  tcMeterIface listener;
  ASSERT_TRUE(listener.listening());
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const auto start = Clock::now();
  listener.close();
  EXPECT_LT(std::chrono::duration<double>(Clock::now() - start).count(), 1.0);
  EXPECT_FALSE(listener.listening());
  listener.close();
}
