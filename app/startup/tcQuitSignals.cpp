#include "app/startup/tcQuitSignals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace {

int g_fds[2] = {-1, -1};
volatile sig_atomic_t g_pending = 0;
struct sigaction g_old_int, g_old_term;

// Async-signal-safe: only write() and, on a repeat, the default action.
void on_signal(int number) {
  if (g_pending) {
    std::signal(number, SIG_DFL);
    std::raise(number);
    return;
  }
  g_pending = 1;
  const unsigned char byte = static_cast<unsigned char>(number);
  const ssize_t written = ::write(g_fds[0], &byte, 1);
  (void)written;
}

}  // namespace

tcQuitSignals::tcQuitSignals(QObject* parent) : QObject(parent) {
  if (g_fds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_fds) != 0) return;
  ::fcntl(g_fds[0], F_SETFL, O_NONBLOCK);
  g_pending = 0;
  notifier_ = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &tcQuitSignals::slot_readable);

  struct sigaction action = {};
  action.sa_handler = on_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, &g_old_int);
  sigaction(SIGTERM, &action, &g_old_term);
}

tcQuitSignals::~tcQuitSignals() {
  if (!notifier_) return;
  sigaction(SIGINT, &g_old_int, nullptr);
  sigaction(SIGTERM, &g_old_term, nullptr);
  delete notifier_;
  ::close(g_fds[0]);
  ::close(g_fds[1]);
  g_fds[0] = g_fds[1] = -1;
}

void tcQuitSignals::slot_readable() {
  unsigned char byte = 0;
  if (::read(g_fds[1], &byte, 1) == 1) emit sig_quit_requested(byte);
}
