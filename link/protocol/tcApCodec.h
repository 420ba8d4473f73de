#pragma once
// Builders and readers of the processor protocol's message bodies, the same for
// both ends of the link: every message has its builder and its reader. Builders
// return complete frames (sync and length filled); readers take a received frame
// and return -1 when it is too short for the message's fixed fields. Runs of
// records are cut to what the frame holds, whatever count the peer wrote.
#include <cstdint>

#include "app/core/tcString.h"
#include "link/protocol/ParamRecord.h"
#include "link/protocol/tcFrame.h"
#include "link/protocol/tcFrameView.h"
#include "link/protocol/tsAPEvent.h"
#include "params/tcPresetHeader.h"

class tcApCodec {
 public:
  // Messages without a body: version request, keep-alive, meter acknowledgement,
  // event request.
  static constexpr int kEmptyLength = tcFrame::kHeaderSize;
  static tcFrame empty(uint16_t type);

  // 0x0014 login request and reply.
  static constexpr int kLoginRequestLength = 12;
  static constexpr int kLoginCodeOffset = 8;
  static constexpr int kLoginReplyLength = 8;
  static constexpr int kLoginResultOffset = 6;
  static constexpr uint16_t kLoginAccepted = 2;
  static constexpr uint16_t kLoginRejected = 3;
  static constexpr uint32_t kNoAccessCode = 0xFFFFFFFFu;
  static tcFrame login_request(uint32_t code);
  static int read_login_request(const tcFrameView& frame, uint32_t& code);
  static tcFrame login_reply(uint16_t result);
  static int read_login_reply(const tcFrameView& frame, uint16_t& result);

  // 0x1100 (UDP delivery) and 0x1101 (TCP delivery) meter requests.
  static constexpr int kMeterUdpLength = 12;
  static constexpr int kMeterUdpPortOffset = 6;
  static constexpr int kMeterUdpTagOffset = 8;
  static constexpr int kMeterTcpLength = 8;
  static constexpr int kMeterTcpTagOffset = 6;
  struct MeterRequest {
    bool udp = false;
    uint16_t port = 0;  // UDP delivery only
    uint8_t tag = 0;
  };
  static tcFrame meter_request_udp(uint16_t port, uint8_t tag);
  static tcFrame meter_request_tcp(uint8_t tag);
  static int read_meter_request(const tcFrameView& frame, MeterRequest& out);

  // 0x1102 meter record over TCP: a whole 684-byte record at offset 8.
  static constexpr int kMeterRecordSize = 684;
  static constexpr int kMeterRecordOffset = 8;
  static constexpr int kMeterRecordLength = kMeterRecordOffset + kMeterRecordSize;
  static tcFrame meter_record(const uint8_t* record);
  // The record inside the frame, or null when the frame does not hold it whole.
  static const uint8_t* read_meter_record(const tcFrameView& frame);

  // 0x1200 clock set.
  static constexpr int kClockSetLength = 28;
  static constexpr int kClockYearOffset = 6;  // then month, day, weekday, hour, minute, second
  static constexpr int kClockModeOffset = 16;
  static constexpr int kClockServerOffset = 20;
  static constexpr int kClockZoneOffset = 24;
  struct ClockSet {
    uint8_t year = 0;  // year - 2000
    uint8_t month = 1;
    uint8_t day = 1;
    uint8_t weekday = 0;  // 0 = Sunday
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
    uint32_t mode = 0;                 // 1 SNTP, 0 manual
    uint8_t server[4] = {0, 0, 0, 0};  // address order
    int32_t zone_seconds = 0;
  };
  static tcFrame clock_set(const ClockSet& clock);
  static int read_clock_set(const tcFrameView& frame, ClockSet& out);

  // A run of fixed-size records inside a received frame, already cut to the frame.
  struct RecordRun {
    int count = 0;
    const uint8_t* first = nullptr;
    ParamRecord param(int i) const { return ParamRecord::decode(first + i * ParamRecord::kSize); }
    tcIddApGui::tsAPEvent event(int i) const;
    // A preset summary block; the header is filled, the block's slot returned.
    uint8_t summary(int i, tcPresetHeader& header) const;
  };

  // 0x1202 event schedule part.
  static constexpr int kEventPartLength = 1036;
  static constexpr int kEventPartOffset = 6;
  static constexpr int kEventPartsOffset = 8;
  static constexpr int kEventCountOffset = 10;
  static constexpr int kEventsOffset = 12;
  static constexpr int kEventsPerPart = 128;
  struct EventPart {
    uint16_t part = 0;
    uint16_t parts = 0;
    uint16_t claimed = 0;  // the count as written by the peer
    RecordRun events;
  };
  static tcFrame event_part(uint16_t part, uint16_t parts, const tcIddApGui::tsAPEvent* events,
                            int count);
  static int read_event_part(const tcFrameView& frame, EventPart& out);

  // 0x2000 preset data request.
  static constexpr int kPresetRequestLength = 8;
  static constexpr int kPresetRequestSlotOffset = 6;
  static tcFrame preset_request(uint8_t slot);
  static int read_preset_request(const tcFrameView& frame, uint8_t& slot);

  // 0x2001 preset data part.
  static constexpr int kPresetPartLength = 1196;
  static constexpr int kPresetPartSlotOffset = 8;
  static constexpr int kPresetPartNumberOffset = 9;
  static constexpr int kPresetPartCountOffset = 10;
  static constexpr int kPresetPartRecordsOffset = 11;  // the record count byte
  static constexpr int kPresetPartFirstRecord = 12;
  static constexpr int kRecordsPerFrame = 148;
  struct PresetPart {
    uint8_t slot = 0;
    uint8_t part = 0;
    uint8_t parts = 0;
    RecordRun records;
  };
  static tcFrame preset_part(uint8_t slot, uint8_t part, uint8_t parts, const ParamRecord* records,
                             int count);
  static int read_preset_part(const tcFrameView& frame, PresetPart& out);

  // 0x2002 preset directory entries; the console sends one per message, always
  // 1128 bytes long.
  static constexpr int kDirectoryLength = 1128;
  static constexpr int kDirectoryCountOffset = 6;
  static constexpr int kDirectoryFirstEntry = 8;
  static constexpr int kDirectoryMaxEntries = 7;
  struct DirectoryEntry {
    uint8_t slot = 0;
    tcPresetHeader header;
  };
  static tcFrame directory(const DirectoryEntry* entries, int count);
  static int read_directory(const tcFrameView& frame, RecordRun& out);

  // 0x4001 bank summary: the summary block at offset 8 with its slot byte zero,
  // the bank at offset 6.
  static constexpr int kBankSummaryLength = 168;
  static constexpr int kBankSummaryBankOffset = 6;
  static constexpr int kBankSummaryBlockOffset = 8;
  static tcFrame bank_summary(uint8_t bank, const tcPresetHeader& header);
  static int read_bank_summary(const tcFrameView& frame, uint8_t& bank, tcPresetHeader& out);

  // 0x2003 rename.
  static constexpr int kRenameLength = 48;
  static constexpr int kRenameSlotOffset = 6;
  static constexpr int kRenameNameOffset = 7;
  static constexpr int kNameSize = 40;
  struct Rename {
    uint8_t slot = 0;
    const uint8_t* name = nullptr;  // 40 bytes, not necessarily terminated
  };
  static tcFrame rename(uint8_t slot, const char* name40);
  static int read_rename(const tcFrameView& frame, Rename& out);

  // 0x2004 delete.
  static constexpr int kDeleteLength = 10;
  static constexpr int kDeleteFirstOffset = 6;
  static constexpr int kDeleteCountOffset = 8;
  static tcFrame delete_slots(uint16_t first, uint16_t count);
  static int read_delete(const tcFrameView& frame, uint16_t& first, uint16_t& count);

  // 0x2005 lock state.
  static constexpr int kLockLength = 8;
  static constexpr int kLockSlotOffset = 6;
  static constexpr int kLockStateOffset = 7;
  static tcFrame lock(uint8_t slot, uint8_t state);
  static int read_lock(const tcFrameView& frame, uint8_t& slot, uint8_t& state);

  // 0x2007 take.
  static constexpr int kTakeLength = 12;
  static constexpr int kTakeModeOffset = 6;
  static constexpr int kTakeSlotOffset = 8;
  static constexpr int kTakeBankOffset = 10;
  static constexpr uint16_t kTakeFollow = 0;  // S_FOLLOW set
  static constexpr uint16_t kTakeAll = 2;
  struct Take {
    uint16_t mode = 0;
    uint8_t slot = 0;
    uint16_t bank = 0;
  };
  static tcFrame take(uint16_t bank, uint8_t slot, uint16_t mode);
  static int read_take(const tcFrameView& frame, Take& out);

  // 0x3001 globals: 8 + 8 x count bytes.
  static constexpr int kGlobalsCountOffset = 6;
  static constexpr int kGlobalsFirstRecord = 8;
  static tcFrame globals(const ParamRecord* records, int count);
  static int read_globals(const tcFrameView& frame, RecordRun& out);

  // 0x4000 bank parameters, always 1192 bytes out.
  static constexpr int kBankParamsLength = 1192;
  static constexpr int kBankParamsBankOffset = 6;
  static constexpr int kBankParamsCountOffset = 7;
  static constexpr int kBankParamsFirstRecord = 8;
  static tcFrame bank_params(uint8_t bank, const ParamRecord* records, int count);
  static int read_bank_params(const tcFrameView& frame, uint8_t& bank, RecordRun& out);

  // 0x5000 parameter-map version.
  static constexpr int kMapVersionLength = 8;
  static constexpr int kMapVersionOffset = 6;
  static tcFrame map_version(uint16_t version);
  static int read_map_version(const tcFrameView& frame, uint16_t& version);

  // 0x0011 firmware image block, always 1036 bytes.
  static constexpr int kUpgradeBlockLength = 1036;
  static constexpr int kUpgradeBlockNumberOffset = 6;
  static constexpr int kUpgradeBlockCountOffset = 8;
  static constexpr int kUpgradeDataLengthOffset = 10;
  static constexpr int kUpgradeDataOffset = 12;
  static constexpr int kUpgradeBlockSize = 1024;
  struct UpgradeBlock {
    uint16_t block = 0;
    uint16_t blocks = 0;
    uint16_t size = 0;  // cut to what the frame holds
    const uint8_t* data = nullptr;
  };
  // -1 (nothing built) for no data or more than 1024 bytes.
  static int upgrade_block(uint16_t block, uint16_t blocks, const uint8_t* data, int size,
                           tcFrame& out);
  static int read_upgrade_block(const tcFrameView& frame, UpgradeBlock& out);

  // 0x0012 firmware-upgrade reply.
  static constexpr int kUpgradeReplyBlockOffset = 6;
  static constexpr int kUpgradeReplyCountOffset = 8;
  static constexpr int kUpgradeReplyCodeOffset = 12;
  static constexpr int kUpgradeReplyTextOffset = 14;
  struct UpgradeReply {
    uint16_t block = 0;
    uint16_t blocks = 0;
    uint16_t code = 0;
    tcString text;  // up to its zero byte or the end of the frame
  };
  static tcFrame upgrade_reply(const UpgradeReply& reply);
  static int read_upgrade_reply(const tcFrameView& frame, UpgradeReply& out);

 private:
  static RecordRun run(const tcFrameView& frame, int offset, int size, int claimed);
  static void put_params(tcFrame& frame, int offset, const ParamRecord* records, int count);
};
