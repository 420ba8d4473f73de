#include "link/transport/tcQTcp.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QThread>
#include <cerrno>
#include <cstdio>
#include <thread>

#include "link/transport/tcQTcpThrd.h"

using Lock = std::lock_guard<std::recursive_mutex>;

tcQTcp::tcQTcp(uint16_t port, const LinkCallbacks& callbacks, const LinkTiming& timing)
    : port_(port),
      thread_(std::make_unique<tcQTcpThrd>(*this)),
      callbacks_(callbacks),
      timing_(timing) {}

tcQTcp::~tcQTcp() {
  stop();
}

void tcQTcp::start() {
  if (started_) return;
  started_ = true;
  thread_->start(QThread::HighestPriority);
}

void tcQTcp::stop() {
  if (stopped_) return;
  stopped_ = true;
  stop_.store(true);
  {
    Lock hold(lock_);
    connected_.store(false);
    const int fd = socket_.exchange(-1);
    if (fd >= 0) {
      // Shut down now, closed once the worker has let go of it; destruction
      // reports LINK_CLOSED, not LINK_DOWN.
      ::shutdown(fd, SHUT_RDWR);
      released_ = fd;
      released_reports_ = false;
    }
  }
  wake_.poke();
  if (started_ && thread_->wait() && thread_->isFinished()) {
    // The worker's last act; orders everything it did before what follows.
    while (!worker_done_.load(std::memory_order_acquire)) std::this_thread::yield();
  }
  Lock hold(lock_);
  reap_locked();
  report(LINK_CLOSED);
}

bool tcQTcp::on_worker() const {
  return QThread::currentThread() == thread_.get();
}

void tcQTcp::report(LinkStatus status) const {
  if (callbacks_.status) callbacks_.status(callbacks_.context, status);
}

void tcQTcp::release_socket_locked(bool report_down) {
  connected_.store(false);
  const int fd = socket_.exchange(-1);
  if (fd < 0) return;
  ::shutdown(fd, SHUT_RDWR);
  released_ = fd;
  released_reports_ = report_down;
  if (on_worker()) {
    reap_locked();
  } else {
    wake_.poke();
  }
}

void tcQTcp::reap_locked() {
  if (released_ < 0) return;
  ::close(released_);
  released_ = -1;
  if (released_reports_) report(LINK_DOWN);
}

void tcQTcp::disconnect() {
  Lock hold(lock_);
  release_socket_locked(true);
}

int tcQTcp::wait_socket(int fd, tcSocket::Watch watch, Clock::time_point deadline) {
  for (;;) {
    const int result = tcSocket::wait(fd, watch, wake_.fd(), deadline);
    if (result & tcSocket::kWoken) wake_.drain();
    if (stop_.load() || socket_.load() != fd) return -1;
    if (result & tcSocket::kReady) return 1;
    if (result == 0) return 0;
    // A wake-up meant for an earlier socket: keep waiting on this one.
  }
}

bool tcQTcp::connect_to(const sockaddr_in& peer) {
  int fd = -1;
  bool in_progress = false;
  {
    Lock hold(lock_);
    if (stop_.load()) return false;  // checked under the lock, so stop() sees any socket made here
    if (connected_.load()) release_socket_locked(true);
    reap_locked();
    report(LINK_CONNECTING);
    fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
      std::perror("socket call failed");
      return false;
    }
    const int on = 1;
    const linger abortive = {1, 0};  // reset the connection on close instead of lingering
    const int size = kSocketBufferSize;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    socket_.store(fd);
    ++generation_;
    const int rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer);
    in_progress = rc == 0 || tcSocket::would_block(errno);
  }
  const Clock::time_point deadline =
      Clock::now() + std::chrono::milliseconds(timing_.connect_wait_ms);
  int waited =
      wait_socket(fd, in_progress ? tcSocket::kWatchWrite : tcSocket::kWatchNone, deadline);
  if (waited == 1) {
    // Writable also means the attempt has ended in failure (refused, unreachable).
    if (tcSocket::pending_error(fd) == 0) return true;
    // A failed attempt still lasts its full window, so retries keep their pace.
    waited = wait_socket(fd, tcSocket::kWatchNone, deadline);
  }
  if (waited < 0) return false;  // taken away: whoever took it reports it
  Lock hold(lock_);
  if (socket_.load() == fd) release_socket_locked(true);
  return false;
}

void tcQTcp::mark_up() {
  Lock hold(lock_);
  if (stop_.load() || socket_.load() < 0) return;
  connected_.store(true);
  report(LINK_UP);
}

void tcQTcp::receive_once() {
  const int fd = socket_.load();
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kReceiveWaitMs);
  if (fd < 0 || wait_socket(fd, tcSocket::kWatchRead, deadline) != 1) return;
  ssize_t count = 0;
  {
    Lock hold(lock_);
    if (!connected_.load() || socket_.load() != fd) return;
    count = ::recv(fd, receive_buffer_, sizeof receive_buffer_, 0);
    if (count == 0 || (count < 0 && !tcSocket::would_block(errno))) {
      release_socket_locked(true);  // peer closed, or the connection broke
      return;
    }
  }
  // Outside the lock: the data handler takes the stores' locks, and senders on
  // other threads take this one while holding those.
  if (count > 0 && callbacks_.data)
    callbacks_.data(callbacks_.context, receive_buffer_, static_cast<int>(count));
}

void tcQTcp::worker_finished() {
  {
    Lock hold(lock_);
    reap_locked();
  }
  worker_done_.store(true, std::memory_order_release);
}

int tcQTcp::send(const void* bytes, int length) {
  if (!connected_.load()) return -1;
  if (bytes == nullptr || length < 0) return -1;
  const auto* data = static_cast<const uint8_t*>(bytes);
  const Clock::time_point start = Clock::now();
  int fd = -1;
  uint64_t generation = 0;
  {
    Lock hold(lock_);
    if (!connected_.load()) return -1;
    fd = socket_.load();
    generation = generation_;
  }
  int sent = 0;
  while (sent < length) {
    ssize_t count = 0;
    {
      Lock hold(lock_);
      if (!connected_.load() || generation_ != generation) return -1;  // lost meanwhile
      count = ::send(fd, data + sent, static_cast<size_t>(length - sent), MSG_NOSIGNAL);
      if (count < 0 && !tcSocket::would_block(errno)) {
        release_socket_locked(true);
        return -1;
      }
    }
    if (count > 0) sent += static_cast<int>(count);
    if (sent == length) break;
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    if (elapsed.count() >= timing_.send_limit_s) break;
    // The socket buffer is full: give the peer a moment to drain it.
    if (count <= 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (sent == 0 && length > 0) disconnect();
  return sent;
}
