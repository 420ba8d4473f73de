#include "link/transport/tcMeterIface.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

#include "link/transport/tcMeterThrd.h"
#include "link/transport/tcSocket.h"

tcMeterIface::tcMeterIface(void* context, NotifyFn notify)
    : notify_context_(context), notify_(notify) {
  for (int attempt = 0; attempt < kPortAttempts; ++attempt, ++port_) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) continue;
    sockaddr_in local = {};
    local.sin_family = AF_INET;
    local.sin_port = htons(port_);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0) {
      socket_ = fd;
      break;
    }
    ::close(fd);
  }
  if (socket_ < 0) return;  // no free port: meters can still come over TCP
  thread_ = std::make_unique<tcMeterThrd>(*this);
  running_.store(true);
  thread_->start(QThread::HighPriority);
}

tcMeterIface::~tcMeterIface() {
  close();
}

void tcMeterIface::close() {
  stop_.store(true);
  if (thread_) {
    wake_.poke();  // ends a pending wait at once
    for (;;) {
      // A thread that could not be started never clears the flag.
      const bool running = running_.load(std::memory_order_acquire) && thread_->isRunning();
      std::printf("Sleeping in METERIFACE::close()  %c\n", running ? 'R' : 'X');
      if (!running) break;
      QThread::msleep(1);
    }
    thread_->wait();
    // The thread's last act; orders all it did before the teardown below.
    if (thread_->isFinished()) {
      while (running_.load(std::memory_order_acquire)) QThread::yieldCurrentThread();
    }
    thread_.reset();
  }
  if (socket_ >= 0) {
    ::close(socket_);
    socket_ = -1;
  }
}

void tcMeterIface::receive_once() {
  const auto deadline = tcSocket::Clock::now() + std::chrono::milliseconds(kReceiveWaitMs);
  const int ready = tcSocket::wait(socket_, tcSocket::kWatchRead, wake_.fd(), deadline);
  if (ready & tcSocket::kWoken) wake_.drain();
  if (!(ready & tcSocket::kReady)) return;
  // MSG_TRUNC reports the datagram's real size, so a longer one is not
  // mistaken for a record cut to fit the buffer.
  const ssize_t count =
      ::recvfrom(socket_, receive_buffer_, sizeof receive_buffer_, MSG_TRUNC, nullptr, nullptr);
  if (count > 0 && !stop_.load()) store_record(receive_buffer_, static_cast<size_t>(count));
}

int tcMeterIface::store_record(const uint8_t* bytes, size_t length) {
  if (!tcMeterRecord::is_record(bytes, length)) return -1;
  if (bytes[tcMeterRecord::kTagOffset] != request_tag_.load())
    return -1;  // answers an older request
  tcMutexHold hold(*this);
  latest_.decode(bytes, length);
  fresh_ = true;
  if (notify_) notify_(notify_context_);
  return 0;
}

int tcMeterIface::take_record(tcMeterRecord& destination) {
  tcMutexHold hold(*this);
  if (!fresh_) return -1;
  destination = latest_;
  fresh_ = false;
  return 0;
}
