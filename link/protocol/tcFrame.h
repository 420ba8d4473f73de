#pragma once
// One message of the processor protocol being built: sync 0xA5 0xA5, total
// length, type, body. The buffer is fixed; the body starts zeroed, so every
// fixed-size message goes out with its padding cleared.
#include <array>
#include <cstdint>

class tcFrame {
 public:
  // Header layout, the same both ways.
  static constexpr uint8_t kSyncByte = 0xA5;
  static constexpr int kSyncOffset = 0;
  static constexpr int kLengthOffset = 2;
  static constexpr int kTypeOffset = 4;
  static constexpr int kBodyOffset = 6;
  static constexpr int kHeaderSize = 6;
  // The receiver accepts total lengths kMinRecvLength..kMaxRecvLength; the sender
  // drops anything of kSendLimit bytes or more.
  static constexpr int kMinRecvLength = 5;
  static constexpr int kMaxRecvLength = 1200;
  static constexpr int kSendLimit = 1200;
  static constexpr int kCapacity = kMaxRecvLength;

  enum Type : uint16_t {
    kNone = 0x0000,
    kVersionRequest = 0x0001,
    kVersionReply = 0x0002,
    kUpgradeBlock = 0x0011,
    kUpgradeReply = 0x0012,
    kLogin = 0x0014,
    kKeepAlive = 0x0015,
    kMeterRequestUdp = 0x1100,
    kMeterRequestTcp = 0x1101,
    kMeterRecord = 0x1102,
    kMeterAck = 0x1103,
    kClockSet = 0x1200,
    kEventRequest = 0x1201,
    kEventList = 0x1202,
    kPresetRequest = 0x2000,
    kPresetData = 0x2001,
    kDirectory = 0x2002,
    kPresetRename = 0x2003,
    kPresetDelete = 0x2004,
    kPresetLock = 0x2005,
    kPresetTake = 0x2007,
    kGlobals = 0x3001,
    kBankParams = 0x4000,
    kBankSummary = 0x4001,
    kMapVersion = 0x5000,
    kMacAddress = 0x6000,
  };

  // A frame of the given type and total length (header included), body zeroed.
  // Lengths beyond the buffer are cut to it; the sender then refuses the frame.
  tcFrame(uint16_t type, int length);

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }
  int length() const { return length_; }
  uint16_t type() const;

  // Writes at a body position; writes that would pass the frame's length are dropped.
  void put_u8(int offset, uint8_t value);
  void put_u16(int offset, uint16_t value);
  void put_u32(int offset, uint32_t value);
  void put_f32(int offset, float value);
  void put_bytes(int offset, const void* src, int count);
  // Bytes at a position for an encoder that writes a record in place; null when
  // the record would not fit.
  uint8_t* at(int offset, int count);

  // Fills sync and length of a prepared frame in place (what the sender does).
  static void seal(uint8_t* frame, int length);
  static bool sendable(int length) { return length >= kHeaderSize && length < kSendLimit; }

 private:
  bool fits(int offset, int count) const;

  std::array<uint8_t, kCapacity> bytes_{};
  int length_;
};
