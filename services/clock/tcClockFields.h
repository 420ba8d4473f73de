#pragma once
// Conversions between the clock dialog's fields and the clock-set message:
// the time zone offset typed in hours, the SNTP server in dotted form, the
// weekday rule. Pure: no widget, no link.
#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

#include "link/protocol/tcApCodec.h"

class tcMeterRecord;

class tcClockFields {
 public:
  static constexpr const char* kAddressMask = "009.009.009.009; ";
  // The processor's clock keeps the year as an offset from 2000 in one byte.
  static constexpr int kFirstYear = 2000;
  static constexpr int kLastYear = 2000 + 255;
  static constexpr double kMaxOffsetHours = 24.0;
  enum Mode { kManual = 0, kSntp = 1 };

  // Hours typed (spaces and tabs ignored) to whole seconds, halves away from
  // zero; text that is not a number gives 0. -1 when the number lies beyond a
  // day either way.
  static int offset_seconds(const QString& hours, int32_t& seconds);
  // "%0.2f" hours.
  static QString offset_text(int32_t seconds);
  // The address in network order (its bytes in address order), as inet_addr
  // reads it: text it cannot read gives the all-ones address.
  static uint32_t server_address(const QString& dotted);
  // Dotted, each group right-aligned in three places ("192.168.  1. 10").
  static QString server_text(uint32_t address);
  // The address bytes of a meter record, in network order.
  static uint32_t server_of(const tcMeterRecord& clock);

  // The message fields; the day of week is the ISO weekday modulo 7 (Sunday 0).
  static tcApCodec::ClockSet clock_set(const QDate& date, const QTime& time, int mode,
                                       uint32_t server, int32_t offset_seconds);
};
