#include "tools/simulator/tcSimSession.h"

#include <QDateTime>
#include <algorithm>
#include <cstdio>

#include "link/protocol/tcMacRecord.h"
#include "link/protocol/tcMeterRecord.h"
#include "link/protocol/tcParamWire.h"
#include "link/protocol/tcVersionRecord.h"
#include "tools/simulator/tcSimMeters.h"
#include "tools/simulator/tcSimState.h"

namespace {

constexpr int kPerFrame = tcApCodec::kRecordsPerFrame;

// The values of a set in table order, for frames of at most 148 records.
int records_of(const SETTINGS& set, int first, ParamRecord* out) {
  const tcParamTable& table = set.table();
  const int count = std::min(kPerFrame, table.count() - first);
  for (int i = 0; i < count; ++i) tcParamWire::record_of(set, table.rows()[first + i].id, out[i]);
  return std::max(count, 0);
}

int parts_of(const SETTINGS& set) {
  return (set.table().count() + kPerFrame - 1) / kPerFrame;
}

void copy_line(std::array<char, tcVersionRecord::kLineSize + 1>& line, const char* text) {
  std::snprintf(line.data(), line.size(), "%s", text);
}

}  // namespace

const tcSimSession::Route tcSimSession::kRoutes[] = {
    {tcFrame::kVersionRequest, "version request", &tcSimSession::on_version, true},
    {tcFrame::kUpgradeBlock, "firmware block", &tcSimSession::on_upgrade_block, false},
    {tcFrame::kLogin, "login", &tcSimSession::on_login, true},
    {tcFrame::kKeepAlive, "keep-alive", &tcSimSession::on_keepalive, true},
    {tcFrame::kMeterRequestUdp, "meter request UDP", &tcSimSession::on_meter_request, false},
    {tcFrame::kMeterRequestTcp, "meter request TCP", &tcSimSession::on_meter_request, false},
    {tcFrame::kMeterAck, "meter acknowledgement", &tcSimSession::on_meter_ack, false},
    {tcFrame::kClockSet, "clock set", &tcSimSession::on_clock_set, false},
    {tcFrame::kEventRequest, "event request", &tcSimSession::on_event_request, false},
    {tcFrame::kEventList, "event list", &tcSimSession::on_event_part, false},
    {tcFrame::kPresetRequest, "preset request", &tcSimSession::on_preset_request, false},
    {tcFrame::kPresetData, "preset data", &tcSimSession::on_preset_part, false},
    {tcFrame::kDirectory, "directory", &tcSimSession::on_directory, false},
    {tcFrame::kPresetRename, "rename", &tcSimSession::on_rename, false},
    {tcFrame::kPresetDelete, "delete", &tcSimSession::on_delete, false},
    {tcFrame::kPresetLock, "lock", &tcSimSession::on_lock, false},
    {tcFrame::kPresetTake, "take", &tcSimSession::on_take, false},
    {tcFrame::kGlobals, "globals", &tcSimSession::on_globals, false},
    {tcFrame::kBankParams, "bank parameters", &tcSimSession::on_bank_params, false},
    {tcFrame::kBankSummary, "bank summary", &tcSimSession::on_bank_summary, false},
    {tcFrame::kMapVersion, "map version", &tcSimSession::on_map_version, false},
    // Sent only; named for the trace.
    {tcFrame::kVersionReply, "version reply", nullptr, false},
    {tcFrame::kUpgradeReply, "firmware reply", nullptr, false},
    {tcFrame::kMeterRecord, "meter record", nullptr, false},
    {tcFrame::kMacAddress, "MAC address", nullptr, false},
};

const tcSimSession::Route* tcSimSession::route_of(uint16_t type) {
  for (const Route& route : kRoutes)
    if (route.type == type) return &route;
  return nullptr;
}

tcSimSession::tcSimSession(tcSimState& state, tcSimMeters& meters, Output& output, int meters_hz,
                           bool verbose)
    : state_(state),
      meters_(meters),
      output_(output),
      verbose_(verbose),
      started_(Clock::now()),
      meter_period_(1.0 / std::max(1, meters_hz)) {}

tcSimSession::~tcSimSession() = default;

double tcSimSession::seconds() const {
  return std::chrono::duration<double>(Clock::now() - started_).count();
}

void tcSimSession::handle_message(uint32_t, uint32_t, const uint8_t* frame) {
  const tcFrameView view(frame, tcFrameView::header_length(frame));
  const Route* route = route_of(view.type());
  if (verbose_)
    std::fprintf(stderr, "RX %04X %s (%d bytes)\n", view.type(),
                 route ? route->name : "unknown, ignored", view.length());
  if (!route || !route->handler) return;
  if (!logged_in_ && !route->before_login) {
    if (verbose_) std::fprintf(stderr, "   ignored before login\n");
    return;
  }
  (this->*route->handler)(view);
}

void tcSimSession::send(const tcFrame& frame) {
  if (verbose_) {
    const Route* route = route_of(frame.type());
    std::fprintf(stderr, "TX %04X %s (%d bytes)\n", frame.type(), route ? route->name : "",
                 frame.length());
  }
  output_.send_tcp(frame.data(), frame.length());
}

// Login and the initial picture.

void tcSimSession::on_login(const tcFrameView& frame) {
  uint32_t code = 0;
  if (tcApCodec::read_login_request(frame, code) != 0) return;
  const uint32_t wanted = state_.password_code();
  const bool accepted = wanted == 0 || code == wanted;
  send(tcApCodec::login_reply(accepted ? tcApCodec::kLoginAccepted : tcApCodec::kLoginRejected));
  if (verbose_)
    std::fprintf(stderr, "   login code %08X %s\n", code, accepted ? "accepted" : "rejected");
  // A later login on the same connection decides anew; an accepted one repeats the picture.
  logged_in_ = accepted;
  if (accepted) send_initial_state();
}

void tcSimSession::send_initial_state() {
  tcMacRecord mac;
  std::copy(std::begin(kMac), std::end(kMac), mac.bytes.begin());
  send(mac.encode());
  send_globals();
  for (int b = 0; b < tcSimState::kBanks; ++b) {
    send_bank_summary(b);
    send_bank_params(b);
  }
  send_directory();
}

void tcSimSession::send_globals() {
  const GLOBALS& g = state_.globals();
  ParamRecord records[kPerFrame];
  int count = 0;
  for (uint16_t id = g.first_id(); id != tcParamTable::kEndId && count < kPerFrame;
       id = g.next_id(id))
    if (tcParamWire::record_of(g, id, records[count])) ++count;
  send(tcApCodec::globals(records, count));
}

void tcSimSession::send_bank_params(int bank) {
  const SETTINGS& set = *state_.bank(bank).set;
  ParamRecord records[kPerFrame];
  for (int first = 0; first < set.table().count(); first += kPerFrame) {
    const int count = records_of(set, first, records);
    send(tcApCodec::bank_params(static_cast<uint8_t>(bank), records, count));
  }
}

void tcSimSession::send_preset_parts(int slot) {
  const SETTINGS& set = state_.values(slot);
  const int parts = parts_of(set);
  ParamRecord records[kPerFrame];
  for (int part = 0; part < parts; ++part) {
    const int count = records_of(set, part * kPerFrame, records);
    send(tcApCodec::preset_part(static_cast<uint8_t>(slot), static_cast<uint8_t>(part + 1),
                                static_cast<uint8_t>(parts), records, count));
  }
}

void tcSimSession::send_bank_summary(int bank) {
  send(tcApCodec::bank_summary(static_cast<uint8_t>(bank), state_.bank(bank).header));
}

void tcSimSession::send_directory() {
  tcApCodec::DirectoryEntry entries[tcApCodec::kDirectoryMaxEntries];
  for (int first = 0; first < tcSimState::kSlots; first += tcApCodec::kDirectoryMaxEntries) {
    const int count = std::min(tcApCodec::kDirectoryMaxEntries, tcSimState::kSlots - first);
    for (int i = 0; i < count; ++i) {
      entries[i].slot = static_cast<uint8_t>(first + i);
      entries[i].header = state_.directory_entry(first + i);
    }
    send(tcApCodec::directory(entries, count));
  }
}

void tcSimSession::send_entry(int slot) {
  tcApCodec::DirectoryEntry entry;
  entry.slot = static_cast<uint8_t>(slot);
  entry.header = state_.directory_entry(slot);
  send(tcApCodec::directory(&entry, 1));
}

// Device messages.

void tcSimSession::on_version(const tcFrameView&) {
  tcVersionRecord version;
  version.major = 2;
  version.minor = 8;
  version.build = 0;
  copy_line(version.lines[0], "QX770HD Processor (simulated)");
  copy_line(version.lines[1], "FPGA 1.4 / DSP 3.2");
  copy_line(version.lines[2], "qx770sim");
  version.boot_id = 0x0770A1;
  version.boot_major = 1;
  version.boot_minor = 3;
  version.boot_check = 0x5A17;
  send(version.encode());
}

void tcSimSession::on_keepalive(const tcFrameView&) {
  send(tcApCodec::empty(tcFrame::kKeepAlive));
}

void tcSimSession::on_upgrade_block(const tcFrameView& frame) {
  tcApCodec::UpgradeBlock block;
  if (tcApCodec::read_upgrade_block(frame, block) != 0) return;
  for (const tcApCodec::UpgradeReply& reply : firmware_.take_block(block, seconds()))
    send(tcApCodec::upgrade_reply(reply));
}

void tcSimSession::on_clock_set(const tcFrameView& frame) {
  tcApCodec::ClockSet clock;
  if (tcApCodec::read_clock_set(frame, clock) != 0) return;
  if (state_.clock().set(clock, QDateTime::currentSecsSinceEpoch()) == 0) state_.clock_changed();
}

void tcSimSession::on_event_request(const tcFrameView&) {
  const std::vector<tcIddApGui::tsAPEvent>& events = state_.events();
  const int count = static_cast<int>(events.size());
  const int per = tcApCodec::kEventsPerPart;
  const int parts = std::max(1, (count + per - 1) / per);
  for (int part = 0; part < parts; ++part) {
    const int first = part * per;
    const int n = std::clamp(count - first, 0, per);
    send(tcApCodec::event_part(static_cast<uint16_t>(part + 1), static_cast<uint16_t>(parts),
                               n ? events.data() + first : nullptr, n));
  }
}

void tcSimSession::on_event_part(const tcFrameView& frame) {
  tcApCodec::EventPart part;
  if (tcApCodec::read_event_part(frame, part) != 0) return;
  if (staged_events_.take_part(part)) state_.set_events(staged_events_.events());
}

// Meters.

void tcSimSession::on_meter_request(const tcFrameView& frame) {
  tcApCodec::MeterRequest request;
  if (tcApCodec::read_meter_request(frame, request) != 0) return;
  meters_mode_ = request.udp ? Meters::kUdp : Meters::kTcp;
  meter_port_ = request.port;
  meter_tag_ = request.tag;
  unacked_ = 0;
  next_meter_ = seconds();
  if (verbose_) {
    if (request.udp)
      std::fprintf(stderr, "   meters over UDP to port %u, tag %u\n", request.port, request.tag);
    else
      std::fprintf(stderr, "   meters over TCP, tag %u\n", request.tag);
  }
}

void tcSimSession::on_meter_ack(const tcFrameView&) {
  unacked_ = std::max(0, unacked_ - 1);
}

void tcSimSession::send_meter_record() {
  uint8_t record[tcMeterRecord::kSize];
  meters_.build(record, seconds(), meter_tag_, state_, QDateTime::currentSecsSinceEpoch());
  if (meters_mode_ == Meters::kUdp) {
    output_.send_udp(meter_port_, record, sizeof record);
  } else if (unacked_ < kMaxUnacked) {
    ++unacked_;
    send(tcApCodec::meter_record(record));
  }
}

void tcSimSession::tick() {
  const double now = seconds();
  tcApCodec::UpgradeReply reply;
  if (firmware_.completion_due(now, reply)) send(tcApCodec::upgrade_reply(reply));
  if (meters_mode_ == Meters::kOff || now < next_meter_) return;
  send_meter_record();
  // Keep the rate; after a stall start over rather than catch up.
  next_meter_ += meter_period_;
  if (next_meter_ < now) next_meter_ = now + meter_period_;
}

// Presets.

void tcSimSession::on_preset_request(const tcFrameView& frame) {
  uint8_t slot = 0;
  if (tcApCodec::read_preset_request(frame, slot) != 0 || !tcSimState::valid_slot(slot)) return;
  send_preset_parts(slot);
}

void tcSimSession::on_preset_part(const tcFrameView& frame) {
  tcApCodec::PresetPart part;
  if (tcApCodec::read_preset_part(frame, part) != 0 || !tcSimState::valid_slot(part.slot)) return;
  if (!staged_ || staged_slot_ != part.slot || part.part == 1) {
    // Parts land on the slot's present values, so a lost part keeps the old ones.
    staged_ = std::make_unique<SETTINGS>();
    tcSettings::copy(&state_.values(part.slot), staged_.get(), 0);
    staged_slot_ = part.slot;
  }
  for (int i = 0; i < part.records.count; ++i) {
    const ParamRecord record = part.records.param(i);
    if (tcSimState::usable(*staged_, record)) tcParamWire::apply(*staged_, record, kSourceSilent);
  }
}

void tcSimSession::on_directory(const tcFrameView& frame) {
  tcApCodec::RecordRun entries;
  if (tcApCodec::read_directory(frame, entries) != 0) return;
  for (int i = 0; i < entries.count; ++i) {
    tcPresetHeader header;
    const int slot = entries.summary(i, header);
    if (!tcSimState::valid_slot(slot)) continue;
    const bool staged = staged_ && staged_slot_ == slot;
    if (!state_.store_preset(slot, staged ? staged_.get() : nullptr, header) && verbose_)
      std::fprintf(stderr, "   slot %d is locked; preset not stored\n", slot);
    if (staged) {
      staged_.reset();
      staged_slot_ = -1;
    }
    // Our own entry confirms the store (or shows the slot as it stayed).
    send_entry(slot);
  }
}

void tcSimSession::on_rename(const tcFrameView& frame) {
  tcApCodec::Rename rename;
  if (tcApCodec::read_rename(frame, rename) != 0 || !tcSimState::valid_slot(rename.slot)) return;
  if (state_.rename(rename.slot, reinterpret_cast<const char*>(rename.name)))
    send(tcApCodec::rename(rename.slot, state_.slot(rename.slot).header.name));
  else
    send_entry(rename.slot);
}

void tcSimSession::on_delete(const tcFrameView& frame) {
  uint16_t first = 0;
  uint16_t count = 0;
  if (tcApCodec::read_delete(frame, first, count) != 0) return;
  const int end = std::min<int>(tcSimState::kSlots, first + count);
  for (int s = first; s < end; ++s) {
    if (state_.erase(s))
      send(tcApCodec::delete_slots(static_cast<uint16_t>(s), 1));
    else
      send_entry(s);
  }
}

void tcSimSession::on_lock(const tcFrameView& frame) {
  uint8_t slot = 0;
  uint8_t lock = 0;
  if (tcApCodec::read_lock(frame, slot, lock) != 0 || !tcSimState::valid_slot(slot)) return;
  state_.lock(slot, lock);
  send(tcApCodec::lock(slot, state_.slot(slot).header.status));
}

void tcSimSession::on_take(const tcFrameView& frame) {
  tcApCodec::Take take;
  if (tcApCodec::read_take(frame, take) != 0) return;
  if (!state_.take(take.slot, take.bank, take.mode)) {
    if (verbose_)
      std::fprintf(stderr, "   take of slot %d into bank %d refused\n", take.slot, take.bank);
    return;
  }
  send_bank_params(take.bank);
  send_bank_summary(take.bank);
}

// Parameters.

void tcSimSession::on_globals(const tcFrameView& frame) {
  tcApCodec::RecordRun records;
  if (tcApCodec::read_globals(frame, records) != 0) return;
  for (int i = 0; i < records.count; ++i) {
    const ParamRecord record = records.param(i);
    if (verbose_) std::fprintf(stderr, "   global %04X = %08X\n", record.id(), record.bits());
    state_.apply_global(record);
  }
}

void tcSimSession::on_bank_params(const tcFrameView& frame) {
  uint8_t bank = 0;
  tcApCodec::RecordRun records;
  if (tcApCodec::read_bank_params(frame, bank, records) != 0) return;
  for (int i = 0; i < records.count; ++i) {
    const ParamRecord record = records.param(i);
    if (verbose_) {
      std::fprintf(stderr, "   bank %u: %04X = %08X\n", bank, record.id(), record.bits());
    }
    state_.apply_bank_record(bank, record);
  }
}

void tcSimSession::on_bank_summary(const tcFrameView& frame) {
  uint8_t bank = 0;
  tcPresetHeader header;
  if (tcApCodec::read_bank_summary(frame, bank, header) != 0) return;
  state_.set_bank_header(bank, header);
}

void tcSimSession::on_map_version(const tcFrameView& frame) {
  uint16_t version = 0;
  // The message names no bank; the console edits bank 0.
  if (tcApCodec::read_map_version(frame, version) == 0) state_.set_bank_map_version(0, version);
}
