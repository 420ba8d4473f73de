#pragma once
// A long-term event of the processor's schedule: every year on a month and
// day at a time of day, take a preset slot. Word 0 bits: 0-2 kind 2, 5-8 month,
// 9-13 day, 14-18 hour, 19-24 minute, 25-30 second; word 1 the slot.
#include <cstdint>

#include "services/events/tsAPEventWord.h"

namespace tcIddApGui {

struct tsAPLongEvent : tsAPEventWord<tsAPLongEvent> {
  static constexpr uint32_t kKind = 2;
  static constexpr tcBitField kMonth{5, 4};
  static constexpr tcBitField kDay{9, 5};
  static constexpr tcBitField kHour{14, 5};
  static constexpr tcBitField kMinute{19, 6};
  static constexpr tcBitField kSecond{25, 6};
  static const tcBitMember<tsAPLongEvent> kFields[5];

  uint8_t month = 1;
  uint8_t day = 1;
  uint8_t hour = 0;
  uint8_t minute = 0;
  uint8_t second = 0;
};

}  // namespace tcIddApGui
