#include "link/transport/tcSocket.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>

// poll() rather than select(): the same waits without the fd_set size limit.
int tcSocket::wait(int fd, Watch watch, int wake_fd, Clock::time_point deadline) {
  pollfd fds[2] = {};
  fds[0].fd = (watch == kWatchNone) ? -1 : fd;
  fds[0].events = (watch == kWatchWrite) ? POLLOUT : POLLIN;
  fds[1].fd = wake_fd;
  fds[1].events = POLLIN;
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    const int timeout_ms = left.count() > 0 ? static_cast<int>(left.count()) : 0;
    const int n = ::poll(fds, 2, timeout_ms);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return 0;
    int result = 0;
    if (fds[0].revents != 0) result |= kReady;
    if (fds[1].revents != 0) result |= kWoken;
    return result;
  }
}

bool tcSocket::would_block(int error) {
  return error == EINPROGRESS || error == EWOULDBLOCK || error == EAGAIN || error == EINTR;
}

int tcSocket::pending_error(int fd) {
  int error = 0;
  socklen_t size = sizeof error;
  if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) return errno;
  return error;
}
