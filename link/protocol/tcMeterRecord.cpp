#include "link/protocol/tcMeterRecord.h"

#include <cstring>

#include "app/core/tcLeBytes.h"

bool tcMeterRecord::is_record(const uint8_t* bytes, size_t length) {
  return bytes != nullptr && length == kSize &&
         std::memcmp(bytes + kMagicOffset, kMagic, kMagicSize) == 0 &&
         bytes[kFormatOffset] == kFormat;
}

int tcMeterRecord::decode(const uint8_t* bytes, size_t length) {
  if (!is_record(bytes, length)) return -1;
  std::memcpy(bytes_.data(), bytes, kSize);
  return 0;
}

bool tcMeterRecord::same_clock(const tcMeterRecord& other) const {
  static constexpr size_t kCompared[] = {kYearOffset, kMonthOffset,  kDayOffset,
                                         kHourOffset, kMinuteOffset, kSecondOffset};
  for (size_t offset : kCompared) {
    if (bytes_[offset] != other.bytes_[offset]) return false;
  }
  return true;
}

std::array<uint8_t, 4> tcMeterRecord::sntp_server() const {
  const uint8_t* p = bytes_.data() + kSntpServerOffset;
  return {p[0], p[1], p[2], p[3]};
}

int32_t tcMeterRecord::time_zone_offset() const {
  return static_cast<int32_t>(tcLeBytes::get_u32(bytes_.data() + kTimeZoneOffset));
}

uint8_t tcMeterRecord::meter(size_t index) const {
  return index < kMetersSize ? bytes_[kMetersOffset + index] : kNoValue;
}
