#include "app/core/tcWakePipe.h"

#include <fcntl.h>
#include <unistd.h>

tcWakePipe::tcWakePipe() {
  if (::pipe2(fds_, O_NONBLOCK | O_CLOEXEC) != 0) fds_[0] = fds_[1] = -1;
}

tcWakePipe::~tcWakePipe() {
  for (int fd : fds_) {
    if (fd >= 0) ::close(fd);
  }
}

void tcWakePipe::poke() {
  if (fds_[1] < 0) return;
  const char byte = 1;
  // A full pipe already holds a wake-up; nothing is lost when this write fails.
  [[maybe_unused]] const ssize_t n = ::write(fds_[1], &byte, 1);
}

void tcWakePipe::drain() {
  if (fds_[0] < 0) return;
  char sink[64];
  while (::read(fds_[0], sink, sizeof sink) > 0) {
  }
}
