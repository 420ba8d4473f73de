#pragma once
// A weekly event of the processor's schedule: on the chosen days of the week at
// a time of day, take a preset slot. Word 0 bits: 0-2 kind 1, 8-14 Sunday to
// Saturday, 15-19 hour, 20-25 minute, 26-31 second; word 1 the slot.
#include <cstdint>

#include "services/events/tsAPEventWord.h"

namespace tcIddApGui {

struct tsAPWeekEvent : tsAPEventWord<tsAPWeekEvent> {
  static constexpr uint32_t kKind = 1;
  static constexpr tcBitField kDays{8, 7};  // bit 0 Sunday .. bit 6 Saturday
  static constexpr tcBitField kHour{15, 5};
  static constexpr tcBitField kMinute{20, 6};
  static constexpr tcBitField kSecond{26, 6};
  static constexpr uint8_t kAllDays = 0x7F;
  static const tcBitMember<tsAPWeekEvent> kFields[4];

  uint8_t days = 0;
  uint8_t hour = 0;
  uint8_t minute = 0;
  uint8_t second = 0;
};

}  // namespace tcIddApGui
