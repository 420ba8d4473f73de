#pragma once
// The simulator's network side on one thread: a listening TCP socket, one
// console connection at a time (a new connection replaces the old one, so a
// console that reconnects after losing its link is served at once), a UDP
// socket for meter datagrams, and a select loop that also drives the meter
// stream and writes the state back to disk.
#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/core/tcWakePipe.h"
#include "tools/simulator/tcSimMeters.h"
#include "tools/simulator/tcSimOptions.h"
#include "tools/simulator/tcSimSession.h"

class tcSimState;
class tcSimStateFile;

class tcSimServer : private tcSimSession::Output {
 public:
  static constexpr int kReceiveSize = 8192;
  // A console that reads nothing is dropped once this much waits for it.
  static constexpr size_t kMaxBacklog = 4u << 20;
  static constexpr int kSaveEveryMs = 1000;

  tcSimServer(const tcSimOptions& options, tcSimState& state, const tcSimStateFile& file);
  ~tcSimServer() override;
  tcSimServer(const tcSimServer&) = delete;
  tcSimServer& operator=(const tcSimServer&) = delete;

  // Binds and listens; -1 (with the reason on stderr) when that fails.
  int open();
  // The port actually bound (the chosen one for port 0).
  uint16_t port() const { return bound_port_; }
  // Serves until stop() is called; then drops the console and saves the state.
  // 0, or -1 when the last save failed.
  int run();
  // Safe from a signal handler.
  void stop();

 private:
  using Clock = std::chrono::steady_clock;

  void send_tcp(const uint8_t* bytes, int length) override;
  void send_udp(uint16_t port, const uint8_t* bytes, int length) override;

  void accept_console();
  void drop_console(const char* why);
  // One read from the console; false when nothing was there or it went away.
  bool receive();
  void flush_output();
  void save_if_due(bool now);

  const tcSimOptions& options_;
  tcSimState& state_;
  const tcSimStateFile& file_;
  tcSimMeters meters_;
  int listen_fd_ = -1;
  int udp_fd_ = -1;
  int client_fd_ = -1;
  sockaddr_in client_addr_{};
  std::unique_ptr<tcSimSession> session_;
  std::vector<uint8_t> output_;  // bytes for the console not yet taken by its socket
  uint16_t bound_port_ = 0;
  std::atomic<bool> stop_{false};
  tcWakePipe wake_;
  Clock::time_point last_save_ = Clock::now();
};
