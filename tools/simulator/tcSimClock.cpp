#include "tools/simulator/tcSimClock.h"

#include <QDateTime>

#include "app/core/tcLeBytes.h"
#include "link/protocol/tcMeterRecord.h"

tcSimClock::tcSimClock() : offset_seconds(QDateTime::currentDateTime().offsetFromUtc()) {}

int tcSimClock::set(const tcApCodec::ClockSet& clock, int64_t host_utc_seconds) {
  const QDate date(2000 + clock.year, clock.month, clock.day);
  const QTime time(clock.hour, clock.minute, clock.second);
  if (!date.isValid() || !time.isValid()) return -1;
  sntp = clock.mode != 0;
  std::copy(std::begin(clock.server), std::end(clock.server), server.begin());
  zone_seconds = clock.zone_seconds;
  // The set time is kept as a wall time; it runs on from here with the host.
  offset_seconds = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch() - host_utc_seconds;
  return 0;
}

tcSimClock::Fields tcSimClock::now(int64_t host_utc_seconds) const {
  const int64_t shift = sntp ? zone_seconds : offset_seconds;
  const QDateTime t = QDateTime::fromSecsSinceEpoch(host_utc_seconds + shift, Qt::UTC);
  Fields f;
  const int year = t.date().year() - 2000;
  f.year = static_cast<uint8_t>(year < 0 ? 0 : year > 255 ? 255 : year);
  f.month = static_cast<uint8_t>(t.date().month());
  f.day = static_cast<uint8_t>(t.date().day());
  f.weekday = static_cast<uint8_t>(t.date().dayOfWeek() % 7);
  f.hour = static_cast<uint8_t>(t.time().hour());
  f.minute = static_cast<uint8_t>(t.time().minute());
  f.second = static_cast<uint8_t>(t.time().second());
  return f;
}

void tcSimClock::fill_record(uint8_t* record, int64_t host_utc_seconds) const {
  const Fields f = now(host_utc_seconds);
  record[tcMeterRecord::kYearOffset] = f.year;
  record[tcMeterRecord::kMonthOffset] = f.month;
  record[tcMeterRecord::kDayOffset] = f.day;
  record[tcMeterRecord::kWeekdayOffset] = f.weekday;
  record[tcMeterRecord::kHourOffset] = f.hour;
  record[tcMeterRecord::kMinuteOffset] = f.minute;
  record[tcMeterRecord::kSecondOffset] = f.second;
  record[tcMeterRecord::kClockModeOffset] = sntp ? 1 : 0;
  std::copy(server.begin(), server.end(), record + tcMeterRecord::kSntpServerOffset);
  tcLeBytes::put_u32(record + tcMeterRecord::kTimeZoneOffset, static_cast<uint32_t>(zone_seconds));
}
