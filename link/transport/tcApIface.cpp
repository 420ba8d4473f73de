#include "link/transport/tcApIface.h"

#include <QDebug>
#include <cstdarg>
#include <cstdio>

#include "link/protocol/tcEventList.h"
#include "link/protocol/tcMacRecord.h"
#include "link/protocol/tcParamWire.h"
#include "link/protocol/tcVersionRecord.h"
#include "link/transport/tcDeviceInfo.h"
#include "link/transport/tcLinkSignals.h"
#include "link/transport/tcMeterIface.h"
#include "link/transport/tcPresetDirectory.h"
#include "link/transport/tcPresetGrabber.h"
#include "link/transport/tcUpgradeListener.h"
#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "params/tcGlobalsDirty.h"
#include "params/tcLiveSettings.h"
#include "params/tcLiveSettingsDirty.h"
#include "params/tcPresetHeader.h"

namespace {
constexpr int kTraceLineSize = 128;
}  // namespace

// One dispatched message type: its handler and, for some, the trace line's tail.
struct tcApIface::Route {
  uint16_t type;
  void (tcApIface::*handler)(const tcFrameView&);
  const char* trace;
};

const tcApIface::Route tcApIface::kRoutes[] = {
    {tcFrame::kLogin, &tcApIface::on_login_reply, nullptr},
    {tcFrame::kVersionReply, &tcApIface::on_version_reply, nullptr},
    {tcFrame::kGlobals, &tcApIface::on_globals, nullptr},
    {tcFrame::kBankParams, &tcApIface::on_bank_params, "settings"},
    {tcFrame::kBankSummary, &tcApIface::on_bank_summary, "settings info"},
    {tcFrame::kPresetData, &tcApIface::on_preset_data, "pset"},
    {tcFrame::kDirectory, &tcApIface::on_directory, "pset sum"},
    {tcFrame::kPresetRename, &tcApIface::on_preset_rename, "pset rename"},
    {tcFrame::kPresetDelete, &tcApIface::on_presets_deleted, "pset delete"},
    {tcFrame::kPresetLock, &tcApIface::on_preset_lock, nullptr},
    {tcFrame::kMapVersion, &tcApIface::on_map_version, nullptr},
    {tcFrame::kMeterRecord, &tcApIface::on_meter_record, nullptr},
    {tcFrame::kUpgradeReply, &tcApIface::on_upgrade_reply, nullptr},
    {tcFrame::kEventList, &tcApIface::on_event_list, nullptr},
    {tcFrame::kMacAddress, &tcApIface::on_mac_address, nullptr},
};

tcApIface::tcApIface(const char* address, uint16_t port, const tcLinkStores& stores,
                     LinkCallbacks::StatusFn on_status, void* status_context,
                     const LinkTiming& timing)
    : tcApIface(address, port, stores, on_status, status_context, timing, DeferStart{}) {
  start();
}

tcApIface::tcApIface(const char* address, uint16_t port, const tcLinkStores& stores,
                     LinkCallbacks::StatusFn on_status, void* status_context,
                     const LinkTiming& timing, DeferStart)
    : tcQTcpClient(address, port, LinkCallbacks{this, &tcApIface::on_data, &tcApIface::on_status},
                   timing, DeferStart{}),
      stores_(stores),
      owner_status_(on_status),
      owner_context_(status_context) {}

tcApIface::~tcApIface() {
  stop();
  // A transfer still waiting on this link ends now; the waiting side does not
  // look at the link again once its done flag is set.
  if (stores_.fetch) stores_.fetch->set_done();
  if (stores_.push) stores_.push->set_done();
}

void tcApIface::on_data(void* self, const uint8_t* bytes, int count) {
  if (count > 0) static_cast<tcApIface*>(self)->recv(bytes, static_cast<size_t>(count));
}

void tcApIface::on_status(void* self, LinkStatus status) {
  auto* link = static_cast<tcApIface*>(self);
  // A partial frame never survives a change of the connection. (A connect
  // attempt starting changes nothing: no bytes flow then.)
  if (status != LINK_CONNECTING) link->reset();
  if (link->owner_status_) link->owner_status_(link->owner_context_, status);
}

void tcApIface::set_trace(TraceFn trace, void* context) {
  trace_context_.store(context);
  trace_.store(trace);
}

void tcApIface::trace(const char* fmt, ...) const {
  const TraceFn fn = trace_.load(std::memory_order_relaxed);
  if (!fn) return;
  char line[kTraceLineSize];
  va_list args;
  va_start(args, fmt);
  std::vsnprintf(line, sizeof line, fmt, args);
  va_end(args);
  fn(trace_context_.load(), line);
}

void tcApIface::set_upgrade_listener(tcUpgradeListener* listener) {
  std::lock_guard<std::mutex> hold(upgrade_lock_);
  upgrade_listener_ = listener;
}

tcApCodec::UpgradeReply tcApIface::last_upgrade_reply() const {
  std::lock_guard<std::mutex> hold(upgrade_lock_);
  return last_upgrade_reply_;
}

// ---- dispatcher

void tcApIface::handle_message(uint32_t, uint32_t, const uint8_t* frame) {
  const tcFrameView view(frame, tcFrameView::header_length(frame));
  const uint16_t type = view.type();
  if (type == tcFrame::kNone || type == tcFrame::kKeepAlive) return;
  for (const Route& route : kRoutes) {
    if (route.type != type) continue;
    if (route.trace) trace("RX MSGID: %04X  %s\n", type, route.trace);
    (this->*route.handler)(view);
    return;
  }
  trace("RX UNKNOWN MSGID: %04X\n", type);
}

// ---- receive handlers

void tcApIface::on_login_reply(const tcFrameView& frame) {
  uint16_t result = 0;
  if (!stores_.link_signals || tcApCodec::read_login_reply(frame, result) != 0) return;
  if (result == tcApCodec::kLoginAccepted) emit stores_.link_signals->sig_connect_accepted();
  if (result == tcApCodec::kLoginRejected) emit stores_.link_signals->sig_connect_rejected();
}

void tcApIface::on_version_reply(const tcFrameView& frame) {
  if (stores_.device) stores_.device->set_version(tcVersionRecord::decode(frame));
  if (stores_.link_signals) emit stores_.link_signals->sig_recv_version();
}

void tcApIface::on_globals(const tcFrameView& frame) {
  tcApCodec::RecordRun run;
  if (!stores_.globals || tcApCodec::read_globals(frame, run) != 0) return;
  for (int i = 0; i < run.count; ++i)
    tcParamWire::apply(*stores_.globals, run.param(i), kSourceProcessor);
}

void tcApIface::on_bank_params(const tcFrameView& frame) {
  uint8_t bank = 0;
  tcApCodec::RecordRun run;
  if (!stores_.banks || tcApCodec::read_bank_params(frame, bank, run) != 0) return;
  SETTINGS* set = stores_.banks->set(bank);
  if (!set) return;
  for (int i = 0; i < run.count; ++i) tcParamWire::apply(*set, run.param(i), kSourceProcessor);
}

void tcApIface::on_bank_summary(const tcFrameView& frame) {
  uint8_t bank = 0;
  tcPresetHeader header;
  if (!stores_.banks || tcApCodec::read_bank_summary(frame, bank, header) != 0) return;
  if (stores_.banks->set_header(bank, header) != 0) return;  // no such bank, or unchanged
  if (!stores_.link_signals) return;
  emit stores_.link_signals->sig_crc_check();
  emit stores_.link_signals->sig_sgmap_version_update(bank, header.map_version);
}

void tcApIface::on_preset_data(const tcFrameView& frame) {
  tcApCodec::PresetPart part;
  if (stores_.fetch && tcApCodec::read_preset_part(frame, part) == 0)
    stores_.fetch->take_part(part);
}

void tcApIface::on_directory(const tcFrameView& frame) {
  tcApCodec::RecordRun run;
  if (tcApCodec::read_directory(frame, run) != 0) return;
  tcPresetHeader header;
  for (int i = 0; i < run.count; ++i) {
    const uint8_t slot = run.summary(i, header);
    if (slot >= tcPresetDirectory::kSlots) continue;
    if (stores_.directory) stores_.directory->set(slot, header);
    if (stores_.push) stores_.push->take_directory_entry(slot);
  }
  if (stores_.link_signals) emit stores_.link_signals->sig_summary_changed();
}

void tcApIface::on_preset_rename(const tcFrameView& frame) {
  tcApCodec::Rename rename;
  if (!stores_.directory || tcApCodec::read_rename(frame, rename) != 0) return;
  stores_.directory->rename(rename.slot, reinterpret_cast<const char*>(rename.name),
                            tcApCodec::kNameSize);
}

void tcApIface::on_presets_deleted(const tcFrameView& frame) {
  uint16_t first = 0, count = 0;
  if (stores_.directory && tcApCodec::read_delete(frame, first, count) == 0)
    stores_.directory->clear(first, count);
}

void tcApIface::on_preset_lock(const tcFrameView& frame) {
  uint8_t slot = 0, state = 0;
  if (stores_.directory && tcApCodec::read_lock(frame, slot, state) == 0)
    stores_.directory->set_status(slot, state);
}

void tcApIface::on_map_version(const tcFrameView& frame) {
  uint16_t version = 0;
  if (tcApCodec::read_map_version(frame, version) != 0) return;
  trace("RX  SGMAP_VERSION_MSG  %04X", version);
  qDebug("RX  SGMAP_VERSION_MSG  %04X", version);
  if (stores_.banks) stores_.banks->set_map_version(0, version);  // -1 without banks
}

void tcApIface::on_meter_record(const tcFrameView& frame) {
  const uint8_t* record = tcApCodec::read_meter_record(frame);
  if (!record) return;
  tcFrame ack = tcApCodec::empty(tcFrame::kMeterAck);
  send_frame(ack);
  if (stores_.meters) stores_.meters->store_record(record, tcApCodec::kMeterRecordSize);
}

void tcApIface::on_upgrade_reply(const tcFrameView& frame) {
  tcApCodec::UpgradeReply reply;
  if (tcApCodec::read_upgrade_reply(frame, reply) != 0) return;
  std::lock_guard<std::mutex> hold(upgrade_lock_);
  last_upgrade_reply_ = reply;
  if (upgrade_listener_) upgrade_listener_->upgrade_reply(reply);
}

void tcApIface::on_event_list(const tcFrameView& frame) {
  tcApCodec::EventPart part;
  if (!stores_.events || tcApCodec::read_event_part(frame, part) != 0) return;
  if (stores_.events->take_part(part) && stores_.link_signals)
    emit stores_.link_signals->sig_new_events();
}

void tcApIface::on_mac_address(const tcFrameView& frame) {
  tcMacRecord mac;
  if (tcMacRecord::decode(frame, mac) != 0) return;
  qDebug("RX MACADDR %s", mac.text().c_str());
  if (stores_.device) stores_.device->set_mac(mac);
  if (stores_.link_signals) emit stores_.link_signals->sig_recv_macaddr();
}

// ---- sends

int tcApIface::send_frame(uint8_t* frame, int length) {
  if (!frame || !tcFrame::sendable(length)) return -1;
  tcFrame::seal(frame, length);
  std::lock_guard<std::mutex> hold(send_lock_);
  return transmit(frame, length);
}

int tcApIface::request_preset(uint8_t slot) {
  tcFrame frame = tcApCodec::preset_request(slot);
  return send_frame(frame);
}

int tcApIface::send_rename(uint8_t slot, const char* name40) {
  tcFrame frame = tcApCodec::rename(slot, name40);
  return send_frame(frame);
}

int tcApIface::send_delete(uint16_t first, uint16_t count) {
  tcFrame frame = tcApCodec::delete_slots(first, count);
  return send_frame(frame);
}

int tcApIface::send_lock(uint8_t slot, uint8_t state) {
  tcFrame frame = tcApCodec::lock(slot, state);
  return send_frame(frame);
}

int tcApIface::send_bank_changes(uint16_t bank) {
  SETTINGS* set = stores_.banks ? stores_.banks->set(bank) : nullptr;
  tcChangeFlags* flags = stores_.bank_send ? stores_.bank_send->record(bank) : nullptr;
  if (!set || !flags) return 0;
  ParamRecord records[tcApCodec::kRecordsPerFrame];
  int count = 0;
  int frames = 0;
  auto flush = [&]() {
    tcFrame frame = tcApCodec::bank_params(static_cast<uint8_t>(bank), records, count);
    send_frame(frame);
    ++frames;
    count = 0;
  };
  const tcParamTable& table = set->table();
  for (int i = 0; i < table.count(); ++i) {
    const uint16_t id = table.rows()[i].id;
    if (!flags->take(id)) continue;
    if (!tcParamWire::record_of(*set, id, records[count])) continue;
    if (++count == tcApCodec::kRecordsPerFrame) flush();
  }
  if (count > 0) flush();
  return frames;
}

void tcApIface::send_preset_data(uint8_t slot, const SETTINGS& source) {
  const tcParamTable& table = source.table();
  const int n = table.count();
  const int parts = (n + tcApCodec::kRecordsPerFrame - 1) / tcApCodec::kRecordsPerFrame;
  ParamRecord records[tcApCodec::kRecordsPerFrame];
  for (int part = 0; part < parts; ++part) {
    const int first = part * tcApCodec::kRecordsPerFrame;
    const int count = std::min(tcApCodec::kRecordsPerFrame, n - first);
    for (int i = 0; i < count; ++i)
      tcParamWire::record_of(source, table.rows()[first + i].id, records[i]);
    tcFrame frame = tcApCodec::preset_part(slot, static_cast<uint8_t>(part + 1),
                                           static_cast<uint8_t>(parts), records, count);
    send_frame(frame);
  }
}

int tcApIface::send_globals(tcGlobalsDirty* tracker) {
  if (!stores_.globals) return 0;
  const tcParamTable& table = stores_.globals->table();
  ParamRecord records[tcApCodec::kRecordsPerFrame];
  int count = 0;
  for (int i = 0; i < table.count() && count < tcApCodec::kRecordsPerFrame; ++i) {
    const uint16_t id = table.rows()[i].id;
    if (tracker && !tracker->take(id)) continue;
    if (tcParamWire::record_of(*stores_.globals, id, records[count])) ++count;
  }
  if (count == 0) return 0;
  tcFrame frame = tcApCodec::globals(records, count);
  return send_frame(frame);
}

int tcApIface::send_keepalive() {
  tcFrame frame = tcApCodec::empty(tcFrame::kKeepAlive);
  return send_frame(frame);
}

int tcApIface::send_directory_entry(uint8_t slot, const tcPresetHeader& header) {
  tcApCodec::DirectoryEntry entry;
  entry.slot = slot;
  entry.header = header;
  tcFrame frame = tcApCodec::directory(&entry, 1);
  return send_frame(frame);
}

int tcApIface::send_take(uint16_t bank, uint8_t slot, uint16_t mode) {
  tcFrame frame = tcApCodec::take(bank, slot, mode);
  return send_frame(frame);
}

int tcApIface::send_bank_summary(uint16_t bank, const tcPresetHeader& header) {
  tcFrame frame = tcApCodec::bank_summary(static_cast<uint8_t>(bank), header);
  return send_frame(frame);
}

int tcApIface::send_upgrade_block(uint16_t block, uint16_t blocks, const uint8_t* data, int size) {
  tcFrame frame(tcFrame::kUpgradeBlock, tcApCodec::kUpgradeBlockLength);
  if (tcApCodec::upgrade_block(block, blocks, data, size, frame) != 0) return -1;
  return send_frame(frame);
}

int tcApIface::send_map_version(uint16_t, uint16_t version) {
  trace("TX  SGMAP_VERSION_MSG  %04X", version);
  tcFrame frame = tcApCodec::map_version(version);
  return send_frame(frame);
}

int tcApIface::request_meters(bool over_tcp) {
  if (!stores_.meters) return -1;
  const uint8_t tag = stores_.meters->next_request_tag();
  tcFrame frame = over_tcp ? tcApCodec::meter_request_tcp(tag)
                           : tcApCodec::meter_request_udp(stores_.meters->port(), tag);
  return send_frame(frame);
}
