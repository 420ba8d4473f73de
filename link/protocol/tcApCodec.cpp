#include "link/protocol/tcApCodec.h"

#include <algorithm>
#include <cstring>

#include "app/core/tcLeBytes.h"
#include "link/protocol/PresetSummary.h"

namespace {
// Fixed-size messages are read only when the frame holds them whole.
bool holds_all(const tcFrameView& frame, int length) {
  return frame.length() >= length;
}
}  // namespace

tcApCodec::RecordRun tcApCodec::run(const tcFrameView& frame, int offset, int size, int claimed) {
  RecordRun out;
  out.count = frame.records_held(offset, size, claimed);
  out.first = out.count > 0 ? frame.data() + offset : nullptr;
  return out;
}

tcIddApGui::tsAPEvent tcApCodec::RecordRun::event(int i) const {
  const uint8_t* p = first + i * tcIddApGui::tsAPEvent::kSize;
  tcIddApGui::tsAPEvent event;
  event.word0 = tcLeBytes::get_u32(p + tcIddApGui::tsAPEvent::kWord0Offset);
  event.word1 = tcLeBytes::get_u32(p + tcIddApGui::tsAPEvent::kWord1Offset);
  return event;
}

uint8_t tcApCodec::RecordRun::summary(int i, tcPresetHeader& header) const {
  return PresetSummary::decode(first + i * PresetSummary::kSize, header);
}

void tcApCodec::put_params(tcFrame& frame, int offset, const ParamRecord* records, int count) {
  for (int i = 0; i < count; ++i) {
    uint8_t* at = frame.at(offset + i * ParamRecord::kSize, ParamRecord::kSize);
    if (at) records[i].encode(at);
  }
}

tcFrame tcApCodec::empty(uint16_t type) {
  return tcFrame(type, kEmptyLength);
}

tcFrame tcApCodec::login_request(uint32_t code) {
  tcFrame frame(tcFrame::kLogin, kLoginRequestLength);
  frame.put_u32(kLoginCodeOffset, code);
  return frame;
}

int tcApCodec::read_login_request(const tcFrameView& frame, uint32_t& code) {
  if (!holds_all(frame, kLoginRequestLength)) return -1;
  code = frame.u32(kLoginCodeOffset);
  return 0;
}

tcFrame tcApCodec::login_reply(uint16_t result) {
  tcFrame frame(tcFrame::kLogin, kLoginReplyLength);
  frame.put_u16(kLoginResultOffset, result);
  return frame;
}

int tcApCodec::read_login_reply(const tcFrameView& frame, uint16_t& result) {
  if (!holds_all(frame, kLoginReplyLength)) return -1;
  result = frame.u16(kLoginResultOffset);
  return 0;
}

tcFrame tcApCodec::meter_request_udp(uint16_t port, uint8_t tag) {
  tcFrame frame(tcFrame::kMeterRequestUdp, kMeterUdpLength);
  frame.put_u16(kMeterUdpPortOffset, port);
  frame.put_u8(kMeterUdpTagOffset, tag);
  return frame;
}

tcFrame tcApCodec::meter_request_tcp(uint8_t tag) {
  tcFrame frame(tcFrame::kMeterRequestTcp, kMeterTcpLength);
  frame.put_u8(kMeterTcpTagOffset, tag);
  return frame;
}

int tcApCodec::read_meter_request(const tcFrameView& frame, MeterRequest& out) {
  if (frame.type() == tcFrame::kMeterRequestUdp && holds_all(frame, kMeterUdpLength)) {
    out.udp = true;
    out.port = frame.u16(kMeterUdpPortOffset);
    out.tag = frame.u8(kMeterUdpTagOffset);
    return 0;
  }
  if (frame.type() == tcFrame::kMeterRequestTcp && holds_all(frame, kMeterTcpLength)) {
    out.udp = false;
    out.port = 0;
    out.tag = frame.u8(kMeterTcpTagOffset);
    return 0;
  }
  return -1;
}

tcFrame tcApCodec::meter_record(const uint8_t* record) {
  tcFrame frame(tcFrame::kMeterRecord, kMeterRecordLength);
  frame.put_bytes(kMeterRecordOffset, record, kMeterRecordSize);
  return frame;
}

const uint8_t* tcApCodec::read_meter_record(const tcFrameView& frame) {
  return frame.bytes(kMeterRecordOffset, kMeterRecordSize);
}

tcFrame tcApCodec::clock_set(const ClockSet& clock) {
  tcFrame frame(tcFrame::kClockSet, kClockSetLength);
  const uint8_t fields[7] = {clock.year, clock.month,  clock.day,   clock.weekday,
                             clock.hour, clock.minute, clock.second};
  frame.put_bytes(kClockYearOffset, fields, sizeof fields);
  frame.put_u32(kClockModeOffset, clock.mode);
  frame.put_bytes(kClockServerOffset, clock.server, sizeof clock.server);
  frame.put_u32(kClockZoneOffset, static_cast<uint32_t>(clock.zone_seconds));
  return frame;
}

int tcApCodec::read_clock_set(const tcFrameView& frame, ClockSet& out) {
  if (!holds_all(frame, kClockSetLength)) return -1;
  const uint8_t* f = frame.data() + kClockYearOffset;
  out.year = f[0];
  out.month = f[1];
  out.day = f[2];
  out.weekday = f[3];
  out.hour = f[4];
  out.minute = f[5];
  out.second = f[6];
  out.mode = frame.u32(kClockModeOffset);
  std::memcpy(out.server, frame.data() + kClockServerOffset, sizeof out.server);
  out.zone_seconds = static_cast<int32_t>(frame.u32(kClockZoneOffset));
  return 0;
}

tcFrame tcApCodec::event_part(uint16_t part, uint16_t parts, const tcIddApGui::tsAPEvent* events,
                              int count) {
  count = std::clamp(count, 0, kEventsPerPart);
  tcFrame frame(tcFrame::kEventList, kEventPartLength);
  frame.put_u16(kEventPartOffset, part);
  frame.put_u16(kEventPartsOffset, parts);
  frame.put_u16(kEventCountOffset, static_cast<uint16_t>(count));
  for (int i = 0; i < count; ++i) {
    const int at = kEventsOffset + i * tcIddApGui::tsAPEvent::kSize;
    frame.put_u32(at + tcIddApGui::tsAPEvent::kWord0Offset, events[i].word0);
    frame.put_u32(at + tcIddApGui::tsAPEvent::kWord1Offset, events[i].word1);
  }
  return frame;
}

int tcApCodec::read_event_part(const tcFrameView& frame, EventPart& out) {
  if (!holds_all(frame, kEventsOffset)) return -1;
  out.part = frame.u16(kEventPartOffset);
  out.parts = frame.u16(kEventPartsOffset);
  out.claimed = frame.u16(kEventCountOffset);
  out.events = run(frame, kEventsOffset, tcIddApGui::tsAPEvent::kSize, out.claimed);
  return 0;
}

tcFrame tcApCodec::preset_request(uint8_t slot) {
  tcFrame frame(tcFrame::kPresetRequest, kPresetRequestLength);
  frame.put_u8(kPresetRequestSlotOffset, slot);
  return frame;
}

int tcApCodec::read_preset_request(const tcFrameView& frame, uint8_t& slot) {
  if (!holds_all(frame, kPresetRequestSlotOffset + 1)) return -1;
  slot = frame.u8(kPresetRequestSlotOffset);
  return 0;
}

tcFrame tcApCodec::preset_part(uint8_t slot, uint8_t part, uint8_t parts,
                               const ParamRecord* records, int count) {
  count = std::clamp(count, 0, kRecordsPerFrame);
  tcFrame frame(tcFrame::kPresetData, kPresetPartLength);
  frame.put_u8(kPresetPartSlotOffset, slot);
  frame.put_u8(kPresetPartNumberOffset, part);
  frame.put_u8(kPresetPartCountOffset, parts);
  frame.put_u8(kPresetPartRecordsOffset, static_cast<uint8_t>(count));
  put_params(frame, kPresetPartFirstRecord, records, count);
  return frame;
}

int tcApCodec::read_preset_part(const tcFrameView& frame, PresetPart& out) {
  if (!holds_all(frame, kPresetPartFirstRecord)) return -1;
  out.slot = frame.u8(kPresetPartSlotOffset);
  out.part = frame.u8(kPresetPartNumberOffset);
  out.parts = frame.u8(kPresetPartCountOffset);
  out.records =
      run(frame, kPresetPartFirstRecord, ParamRecord::kSize, frame.u8(kPresetPartRecordsOffset));
  return 0;
}

tcFrame tcApCodec::directory(const DirectoryEntry* entries, int count) {
  count = std::clamp(count, 0, kDirectoryMaxEntries);
  tcFrame frame(tcFrame::kDirectory, kDirectoryLength);
  frame.put_u16(kDirectoryCountOffset, static_cast<uint16_t>(count));
  for (int i = 0; i < count; ++i)
    PresetSummary::encode(
        entries[i].slot, entries[i].header,
        frame.at(kDirectoryFirstEntry + i * PresetSummary::kSize, PresetSummary::kSize));
  return frame;
}

int tcApCodec::read_directory(const tcFrameView& frame, RecordRun& out) {
  if (!holds_all(frame, kDirectoryFirstEntry)) return -1;
  out = run(frame, kDirectoryFirstEntry, PresetSummary::kSize, frame.u16(kDirectoryCountOffset));
  return 0;
}

tcFrame tcApCodec::bank_summary(uint8_t bank, const tcPresetHeader& header) {
  tcFrame frame(tcFrame::kBankSummary, kBankSummaryLength);
  PresetSummary::encode(0, header, frame.at(kBankSummaryBlockOffset, PresetSummary::kSize));
  frame.put_u8(kBankSummaryBankOffset, bank);
  return frame;
}

int tcApCodec::read_bank_summary(const tcFrameView& frame, uint8_t& bank, tcPresetHeader& out) {
  const uint8_t* block = frame.bytes(kBankSummaryBlockOffset, PresetSummary::kSize);
  if (!block) return -1;
  bank = frame.u8(kBankSummaryBankOffset);
  PresetSummary::decode(block, out);
  return 0;
}

tcFrame tcApCodec::rename(uint8_t slot, const char* name40) {
  tcFrame frame(tcFrame::kPresetRename, kRenameLength);
  frame.put_u8(kRenameSlotOffset, slot);
  if (name40)
    frame.put_bytes(kRenameNameOffset, name40, static_cast<int>(strnlen(name40, kNameSize)));
  return frame;
}

int tcApCodec::read_rename(const tcFrameView& frame, Rename& out) {
  out.name = frame.bytes(kRenameNameOffset, kNameSize);
  if (!out.name) return -1;
  out.slot = frame.u8(kRenameSlotOffset);
  return 0;
}

tcFrame tcApCodec::delete_slots(uint16_t first, uint16_t count) {
  tcFrame frame(tcFrame::kPresetDelete, kDeleteLength);
  frame.put_u16(kDeleteFirstOffset, first);
  frame.put_u16(kDeleteCountOffset, count);
  return frame;
}

int tcApCodec::read_delete(const tcFrameView& frame, uint16_t& first, uint16_t& count) {
  if (!holds_all(frame, kDeleteLength)) return -1;
  first = frame.u16(kDeleteFirstOffset);
  count = frame.u16(kDeleteCountOffset);
  return 0;
}

tcFrame tcApCodec::lock(uint8_t slot, uint8_t state) {
  tcFrame frame(tcFrame::kPresetLock, kLockLength);
  frame.put_u8(kLockSlotOffset, slot);
  frame.put_u8(kLockStateOffset, state);
  return frame;
}

int tcApCodec::read_lock(const tcFrameView& frame, uint8_t& slot, uint8_t& state) {
  if (!holds_all(frame, kLockStateOffset + 1)) return -1;
  slot = frame.u8(kLockSlotOffset);
  state = frame.u8(kLockStateOffset);
  return 0;
}

tcFrame tcApCodec::take(uint16_t bank, uint8_t slot, uint16_t mode) {
  tcFrame frame(tcFrame::kPresetTake, kTakeLength);
  frame.put_u16(kTakeModeOffset, mode);
  frame.put_u8(kTakeSlotOffset, slot);
  frame.put_u16(kTakeBankOffset, bank);
  return frame;
}

int tcApCodec::read_take(const tcFrameView& frame, Take& out) {
  if (!holds_all(frame, kTakeLength)) return -1;
  out.mode = frame.u16(kTakeModeOffset);
  out.slot = frame.u8(kTakeSlotOffset);
  out.bank = frame.u16(kTakeBankOffset);
  return 0;
}

tcFrame tcApCodec::globals(const ParamRecord* records, int count) {
  count = std::clamp(count, 0, kRecordsPerFrame);
  tcFrame frame(tcFrame::kGlobals, kGlobalsFirstRecord + count * ParamRecord::kSize);
  frame.put_u16(kGlobalsCountOffset, static_cast<uint16_t>(count));
  put_params(frame, kGlobalsFirstRecord, records, count);
  return frame;
}

int tcApCodec::read_globals(const tcFrameView& frame, RecordRun& out) {
  if (!holds_all(frame, kGlobalsFirstRecord)) return -1;
  out = run(frame, kGlobalsFirstRecord, ParamRecord::kSize, frame.u16(kGlobalsCountOffset));
  return 0;
}

tcFrame tcApCodec::bank_params(uint8_t bank, const ParamRecord* records, int count) {
  count = std::clamp(count, 0, kRecordsPerFrame);
  tcFrame frame(tcFrame::kBankParams, kBankParamsLength);
  frame.put_u8(kBankParamsBankOffset, bank);
  frame.put_u8(kBankParamsCountOffset, static_cast<uint8_t>(count));
  put_params(frame, kBankParamsFirstRecord, records, count);
  return frame;
}

int tcApCodec::read_bank_params(const tcFrameView& frame, uint8_t& bank, RecordRun& out) {
  if (!holds_all(frame, kBankParamsFirstRecord)) return -1;
  bank = frame.u8(kBankParamsBankOffset);
  out = run(frame, kBankParamsFirstRecord, ParamRecord::kSize, frame.u8(kBankParamsCountOffset));
  return 0;
}

tcFrame tcApCodec::map_version(uint16_t version) {
  tcFrame frame(tcFrame::kMapVersion, kMapVersionLength);
  frame.put_u16(kMapVersionOffset, version);
  return frame;
}

int tcApCodec::read_map_version(const tcFrameView& frame, uint16_t& version) {
  if (!holds_all(frame, kMapVersionOffset + 2)) return -1;
  version = frame.u16(kMapVersionOffset);
  return 0;
}

int tcApCodec::upgrade_block(uint16_t block, uint16_t blocks, const uint8_t* data, int size,
                             tcFrame& out) {
  if (!data || size <= 0 || size > kUpgradeBlockSize) return -1;
  out = tcFrame(tcFrame::kUpgradeBlock, kUpgradeBlockLength);
  out.put_u16(kUpgradeBlockNumberOffset, block);
  out.put_u16(kUpgradeBlockCountOffset, blocks);
  out.put_u16(kUpgradeDataLengthOffset, static_cast<uint16_t>(size));
  out.put_bytes(kUpgradeDataOffset, data, size);
  return 0;
}

int tcApCodec::read_upgrade_block(const tcFrameView& frame, UpgradeBlock& out) {
  if (!holds_all(frame, kUpgradeDataOffset)) return -1;
  out.block = frame.u16(kUpgradeBlockNumberOffset);
  out.blocks = frame.u16(kUpgradeBlockCountOffset);
  const int claimed = std::min<int>(frame.u16(kUpgradeDataLengthOffset), kUpgradeBlockSize);
  out.size = static_cast<uint16_t>(frame.records_held(kUpgradeDataOffset, 1, claimed));
  out.data = frame.data() + kUpgradeDataOffset;
  return 0;
}

tcFrame tcApCodec::upgrade_reply(const UpgradeReply& reply) {
  // The text goes out with its terminating zero.
  const int text = std::min(reply.text.length(), tcFrame::kSendLimit - kUpgradeReplyTextOffset - 2);
  tcFrame frame(tcFrame::kUpgradeReply, kUpgradeReplyTextOffset + text + 1);
  frame.put_u16(kUpgradeReplyBlockOffset, reply.block);
  frame.put_u16(kUpgradeReplyCountOffset, reply.blocks);
  frame.put_u16(kUpgradeReplyCodeOffset, reply.code);
  frame.put_bytes(kUpgradeReplyTextOffset, reply.text.c_str(), text);
  return frame;
}

int tcApCodec::read_upgrade_reply(const tcFrameView& frame, UpgradeReply& out) {
  if (!holds_all(frame, kUpgradeReplyTextOffset)) return -1;
  out.block = frame.u16(kUpgradeReplyBlockOffset);
  out.blocks = frame.u16(kUpgradeReplyCountOffset);
  out.code = frame.u16(kUpgradeReplyCodeOffset);
  // A text without its zero byte ends with the frame.
  out.text.assign(reinterpret_cast<const char*>(frame.data()) + kUpgradeReplyTextOffset,
                  static_cast<size_t>(frame.length() - kUpgradeReplyTextOffset));
  return 0;
}
