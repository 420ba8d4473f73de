#pragma once
// The processor's 684-byte meter record: magic, record format, request tag,
// processor clock, meter readings and analysis data, little-endian. A pure
// decoder: it holds the bytes of one record and reads fields at fixed places.
#include <array>
#include <cstddef>
#include <cstdint>

class tcMeterRecord {
 public:
  static constexpr size_t kSize = 684;

  static constexpr size_t kMagicOffset = 0;
  static constexpr size_t kMagicSize = 16;
  static constexpr char kMagic[kMagicSize + 1] = "TOLVANEMETERMSG_";
  static constexpr size_t kFormatOffset = 16;
  static constexpr uint8_t kFormat = 2;
  static constexpr size_t kTagOffset = 17;
  // Processor clock.
  static constexpr size_t kYearOffset = 20;  // year - 2000
  static constexpr size_t kMonthOffset = 21;
  static constexpr size_t kDayOffset = 22;
  static constexpr size_t kWeekdayOffset = 23;  // 0 = Sunday
  static constexpr size_t kHourOffset = 24;
  static constexpr size_t kMinuteOffset = 25;
  static constexpr size_t kSecondOffset = 26;
  static constexpr size_t kClockModeOffset = 30;   // non-zero SNTP, 0 manual
  static constexpr size_t kSntpServerOffset = 32;  // 4 bytes in address order
  static constexpr size_t kTimeZoneOffset = 36;    // signed seconds, 32-bit
  // Meter readings: one value byte each, read by the displays at their own places.
  static constexpr size_t kMetersOffset = 40;
  static constexpr size_t kMetersSize = 144;
  static constexpr size_t kAnalysisOffset = 184;
  static constexpr size_t kAnalysisSize = 500;

  // A meter value byte counts 0.25 dB steps below full scale; this one means no value.
  static constexpr uint8_t kNoValue = 255;
  static constexpr float kStepDb = 0.25f;

  // True when `bytes` is one whole record: exactly kSize bytes, the magic and
  // the record format. The request tag is the receiver's to check.
  static bool is_record(const uint8_t* bytes, size_t length);
  // Takes a copy of a record; -1 (and nothing changed) when it is not one.
  int decode(const uint8_t* bytes, size_t length);

  const uint8_t* bytes() const { return bytes_.data(); }
  // The byte at `offset`, 0 beyond the record.
  uint8_t byte(size_t offset) const { return offset < kSize ? bytes_[offset] : 0; }

  uint8_t format() const { return bytes_[kFormatOffset]; }
  uint8_t request_tag() const { return bytes_[kTagOffset]; }

  int year() const { return 2000 + bytes_[kYearOffset]; }
  int month() const { return bytes_[kMonthOffset]; }
  int day() const { return bytes_[kDayOffset]; }
  int weekday() const { return bytes_[kWeekdayOffset]; }
  int hour() const { return bytes_[kHourOffset]; }
  int minute() const { return bytes_[kMinuteOffset]; }
  int second() const { return bytes_[kSecondOffset]; }
  // Same date and time of day; the day of week takes no part.
  bool same_clock(const tcMeterRecord& other) const;

  bool sntp_mode() const { return bytes_[kClockModeOffset] != 0; }
  std::array<uint8_t, 4> sntp_server() const;
  int32_t time_zone_offset() const;

  // Meter reading `index` (0 to kMetersSize - 1); kNoValue beyond.
  uint8_t meter(size_t index) const;
  // Level of a meter value byte in dB below full scale (a negative number).
  static float level_db(uint8_t value) { return -kStepDb * value; }
  const uint8_t* analysis() const { return bytes_.data() + kAnalysisOffset; }

 private:
  std::array<uint8_t, kSize> bytes_{};
};
