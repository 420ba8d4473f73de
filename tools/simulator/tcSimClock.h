#pragma once
// The processor's clock. It runs off the host's clock: by hand it keeps the
// offset from the last clock set; in SNTP mode it is the host's UTC plus the
// time zone offset (the host stands in for the time server).
#include <array>
#include <cstdint>

#include "link/protocol/tcApCodec.h"

class tcSimClock {
 public:
  struct Fields {
    uint8_t year = 0;  // year - 2000
    uint8_t month = 1;
    uint8_t day = 1;
    uint8_t weekday = 0;  // 0 = Sunday
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
  };

  // A fresh clock shows the host's local time, set by hand.
  tcSimClock();

  // Message 0x1200. A date the calendar does not know is refused (-1, clock unchanged).
  int set(const tcApCodec::ClockSet& clock, int64_t host_utc_seconds);
  Fields now(int64_t host_utc_seconds) const;
  // The clock bytes of a meter record (positions 20 to 39).
  void fill_record(uint8_t* record, int64_t host_utc_seconds) const;

  // What persists.
  bool sntp = false;
  std::array<uint8_t, 4> server{};
  int32_t zone_seconds = 0;
  int64_t offset_seconds = 0;  // manual mode: processor time minus host UTC
};
