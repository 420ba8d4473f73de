#pragma once
// One parameter value on the wire (8 bytes): id, two zero bytes, value. A float
// parameter's value is its engineering value as a single; an integer its value;
// a switch one byte 0/1 and three zero bytes. The parameter's type decides which
// form applies; the record itself only carries the 32 value bits.
#include <cstdint>

class ParamRecord {
 public:
  static constexpr int kSize = 8;
  static constexpr int kIdOffset = 0;
  static constexpr int kValueOffset = 4;
  static constexpr uint16_t kNoId = 0xFFFF;

  ParamRecord() = default;
  static ParamRecord of_float(uint16_t id, float engineering);
  static ParamRecord of_int(uint16_t id, uint32_t value);
  static ParamRecord of_switch(uint16_t id, bool on);

  uint16_t id() const { return id_; }
  uint32_t bits() const { return bits_; }
  float as_float() const;
  uint32_t as_int() const { return bits_; }
  // Only the first value byte counts; the other three are padding.
  bool as_switch() const { return (bits_ & 0xFFu) != 0; }

  void encode(uint8_t* out) const;
  static ParamRecord decode(const uint8_t* in);

  bool operator==(const ParamRecord& other) const {
    return id_ == other.id_ && bits_ == other.bits_;
  }

 private:
  ParamRecord(uint16_t id, uint32_t bits) : id_(id), bits_(bits) {}

  uint16_t id_ = kNoId;
  uint32_t bits_ = 0;
};
