#pragma once
// One console connection to the simulated processor: deframes what the console
// sends, answers and applies it against the processor state, and streams meter
// records once asked. Until a login is accepted only the login, the keep-alive
// and the version request are answered. Runs on the server's one thread.
#include <chrono>
#include <cstdint>
#include <memory>

#include "link/protocol/tcApCodec.h"
#include "link/protocol/tcEventList.h"
#include "link/protocol/tcFrameView.h"
#include "link/protocol/tcIddApGui.h"
#include "params/SETTINGS.h"
#include "tools/simulator/tcSimFirmware.h"

class tcSimMeters;
class tcSimState;

class tcSimSession : public tcIddApGui::tcCmndRecvState {
 public:
  // Where the session's bytes go: frames to the console's TCP connection,
  // meter datagrams to a UDP port at the console's address.
  class Output {
   public:
    virtual ~Output() = default;
    virtual void send_tcp(const uint8_t* bytes, int length) = 0;
    virtual void send_udp(uint16_t port, const uint8_t* bytes, int length) = 0;
  };

  // TCP meter records sent ahead of the console's acknowledgements at most.
  static constexpr int kMaxUnacked = 4;
  static constexpr uint8_t kMac[6] = {0x02, 0x51, 0x58, 0x37, 0x37, 0x30};

  tcSimSession(tcSimState& state, tcSimMeters& meters, Output& output, int meters_hz, bool verbose);
  ~tcSimSession() override;

  // Meter records and the firmware completion when they are due; called often.
  void tick();

  bool logged_in() const { return logged_in_; }

 protected:
  void handle_message(uint32_t context1, uint32_t context2, const uint8_t* frame) override;

 private:
  using Clock = std::chrono::steady_clock;
  using Handler = void (tcSimSession::*)(const tcFrameView&);
  struct Route {
    uint16_t type;
    const char* name;
    Handler handler;
    bool before_login;  // answered before a login is accepted
  };
  static const Route kRoutes[];
  static const Route* route_of(uint16_t type);

  void on_version(const tcFrameView& frame);
  void on_upgrade_block(const tcFrameView& frame);
  void on_login(const tcFrameView& frame);
  void on_keepalive(const tcFrameView& frame);
  void on_meter_request(const tcFrameView& frame);
  void on_meter_ack(const tcFrameView& frame);
  void on_clock_set(const tcFrameView& frame);
  void on_event_request(const tcFrameView& frame);
  void on_event_part(const tcFrameView& frame);
  void on_preset_request(const tcFrameView& frame);
  void on_preset_part(const tcFrameView& frame);
  void on_directory(const tcFrameView& frame);
  void on_rename(const tcFrameView& frame);
  void on_delete(const tcFrameView& frame);
  void on_lock(const tcFrameView& frame);
  void on_take(const tcFrameView& frame);
  void on_globals(const tcFrameView& frame);
  void on_bank_params(const tcFrameView& frame);
  void on_bank_summary(const tcFrameView& frame);
  void on_map_version(const tcFrameView& frame);

  void send(const tcFrame& frame);
  void send_initial_state();
  void send_globals();
  // All values of a set in frames of at most 148 records, as 0x4000 (bank)
  // frames or as 0x2001 (preset) parts.
  void send_bank_params(int bank);
  void send_preset_parts(int slot);
  void send_bank_summary(int bank);
  void send_directory();
  void send_entry(int slot);
  void send_meter_record();
  double seconds() const;

  tcSimState& state_;
  tcSimMeters& meters_;
  Output& output_;
  const bool verbose_;
  const Clock::time_point started_;
  const double meter_period_;
  bool logged_in_ = false;

  // Meter stream: none until requested; the latest request decides.
  enum class Meters { kOff, kUdp, kTcp } meters_mode_ = Meters::kOff;
  uint16_t meter_port_ = 0;
  uint8_t meter_tag_ = 0;
  int unacked_ = 0;
  double next_meter_ = 0;

  // A preset being pushed: its parts land here until its directory entry arrives.
  std::unique_ptr<SETTINGS> staged_;
  int staged_slot_ = -1;
  tcEventList staged_events_;
  tcSimFirmware firmware_;
};
