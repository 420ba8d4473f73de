#include "tools/simulator/tcSimServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/tcp.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "tools/simulator/tcSimState.h"
#include "tools/simulator/tcSimStateFile.h"

namespace {

void set_nonblocking(int fd) {
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL, 0) | O_NONBLOCK);
}

bool would_block(int error) {
  return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

}  // namespace

tcSimServer::tcSimServer(const tcSimOptions& options, tcSimState& state, const tcSimStateFile& file)
    : options_(options), state_(state), file_(file) {}

tcSimServer::~tcSimServer() {
  session_.reset();
  for (int fd : {client_fd_, listen_fd_, udp_fd_})
    if (fd >= 0) ::close(fd);
}

int tcSimServer::open() {
  listen_fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  udp_fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (listen_fd_ < 0 || udp_fd_ < 0) {
    std::perror("qx770sim: socket");
    return -1;
  }
  const int on = 1;
  ::setsockopt(listen_fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(options_.port);
  ::inet_pton(AF_INET, options_.bind.toLatin1().constData(), &addr.sin_addr);
  if (::bind(listen_fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::listen(listen_fd_, 4) != 0) {
    std::fprintf(stderr, "qx770sim: cannot listen on %s:%u: %s\n",
                 options_.bind.toLatin1().constData(), options_.port, std::strerror(errno));
    return -1;
  }
  socklen_t len = sizeof addr;
  ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&addr), &len);
  bound_port_ = ntohs(addr.sin_port);
  set_nonblocking(listen_fd_);
  set_nonblocking(udp_fd_);
  return 0;
}

void tcSimServer::stop() {
  stop_.store(true);
  wake_.poke();
}

int tcSimServer::run() {
  while (!stop_.load()) {
    fd_set readable;
    fd_set writable;
    FD_ZERO(&readable);
    FD_ZERO(&writable);
    int top = std::max(listen_fd_, wake_.fd());
    FD_SET(listen_fd_, &readable);
    if (wake_.fd() >= 0) FD_SET(wake_.fd(), &readable);
    if (client_fd_ >= 0) {
      FD_SET(client_fd_, &readable);
      if (!output_.empty()) FD_SET(client_fd_, &writable);
      top = std::max(top, client_fd_);
    }
    // Short waits while a console is there: the meter stream runs off them.
    timeval wait{0, client_fd_ >= 0 ? 5000 : 200000};
    const int ready = ::select(top + 1, &readable, &writable, nullptr, &wait);
    if (ready < 0 && errno != EINTR) {
      std::perror("qx770sim: select");
      break;
    }
    if (ready > 0) {
      if (wake_.fd() >= 0 && FD_ISSET(wake_.fd(), &readable)) wake_.drain();
      if (FD_ISSET(listen_fd_, &readable)) accept_console();
      if (client_fd_ >= 0 && FD_ISSET(client_fd_, &readable)) receive();
    }
    if (session_) session_->tick();
    flush_output();
    save_if_due(false);
  }
  // What the console sent before the stop is taken in first, so no change it
  // made is lost.
  while (client_fd_ >= 0 && receive()) {
  }
  drop_console("simulator stopping");
  save_if_due(true);
  return state_.dirty().any() ? -1 : 0;
}

void tcSimServer::accept_console() {
  sockaddr_in from{};
  socklen_t len = sizeof from;
  const int fd =
      ::accept4(listen_fd_, reinterpret_cast<sockaddr*>(&from), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
  if (fd < 0) return;
  if (client_fd_ >= 0) {
    // What the old connection still had to say counts before it goes.
    while (client_fd_ >= 0 && receive()) {
    }
    drop_console("a new connection replaces it");
  }
  const int on = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  client_fd_ = fd;
  client_addr_ = from;
  char text[INET_ADDRSTRLEN] = {};
  ::inet_ntop(AF_INET, &from.sin_addr, text, sizeof text);
  std::fprintf(stderr, "qx770sim: console connected from %s:%u\n", text, ntohs(from.sin_port));
  Output& output = *this;
  session_ =
      std::make_unique<tcSimSession>(state_, meters_, output, options_.meters_hz, options_.verbose);
}

void tcSimServer::drop_console(const char* why) {
  if (client_fd_ < 0) return;
  std::fprintf(stderr, "qx770sim: console disconnected (%s)\n", why);
  session_.reset();
  ::close(client_fd_);
  client_fd_ = -1;
  output_.clear();
  save_if_due(true);
}

bool tcSimServer::receive() {
  uint8_t buffer[kReceiveSize];
  const ssize_t n = ::recv(client_fd_, buffer, sizeof buffer, 0);
  if (n > 0) {
    session_->recv(buffer, static_cast<size_t>(n));
    return true;
  }
  if (n == 0)
    drop_console("closed by the console");
  else if (!would_block(errno))
    drop_console(std::strerror(errno));
  return false;
}

void tcSimServer::send_tcp(const uint8_t* bytes, int length) {
  if (client_fd_ < 0 || length <= 0) return;
  output_.insert(output_.end(), bytes, bytes + length);
}

void tcSimServer::send_udp(uint16_t port, const uint8_t* bytes, int length) {
  if (client_fd_ < 0 || port == 0) return;
  sockaddr_in to = client_addr_;
  to.sin_port = htons(port);
  // A lost datagram is only a missed picture; the next one follows.
  ::sendto(udp_fd_, bytes, static_cast<size_t>(length), MSG_NOSIGNAL,
           reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

void tcSimServer::flush_output() {
  size_t sent = 0;
  while (client_fd_ >= 0 && sent < output_.size()) {
    const ssize_t n =
        ::send(client_fd_, output_.data() + sent, output_.size() - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<size_t>(n);
    } else if (n < 0 && would_block(errno)) {
      break;
    } else {
      drop_console(std::strerror(errno));
      return;
    }
  }
  output_.erase(output_.begin(), output_.begin() + static_cast<std::ptrdiff_t>(sent));
  if (output_.size() > kMaxBacklog) drop_console("it stopped reading");
}

void tcSimServer::save_if_due(bool now) {
  if (!state_.dirty().any()) return;
  const Clock::time_point t = Clock::now();
  if (!now && t - last_save_ < std::chrono::milliseconds(kSaveEveryMs)) return;
  last_save_ = t;
  if (file_.save(state_) != 0)
    std::fprintf(stderr, "qx770sim: could not write the state in %s\n",
                 qPrintable(file_.index_path()));
}
