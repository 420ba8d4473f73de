#include "services/clock/tcClockFields.h"

#include <arpa/inet.h>

#include <QLocale>
#include <cmath>
#include <cstring>

#include "link/protocol/tcMeterRecord.h"

namespace {
QString without_blanks(QString text) {
  text.remove(QLatin1Char(' '));
  text.remove(QLatin1Char('\t'));
  return text;
}
}  // namespace

int tcClockFields::offset_seconds(const QString& hours_text, int32_t& seconds) {
  bool ok = false;
  // The C locale: the offset is typed with a decimal point whatever the desktop's.
  const double hours = QLocale::c().toDouble(without_blanks(hours_text), &ok);
  if (!ok) {
    seconds = 0;
    return 0;
  }
  if (!std::isfinite(hours) || std::fabs(hours) > kMaxOffsetHours) return -1;
  seconds = static_cast<int32_t>(std::round(hours * 3600.0));
  return 0;
}

QString tcClockFields::offset_text(int32_t seconds) {
  return QString::asprintf("%0.2f", seconds / 3600.0);
}

uint32_t tcClockFields::server_address(const QString& dotted) {
  return ::inet_addr(without_blanks(dotted).toLatin1().constData());
}

QString tcClockFields::server_text(uint32_t address) {
  uint8_t b[4];
  std::memcpy(b, &address, sizeof b);
  // Right-aligned groups fill the address mask the way a user types them.
  return QString::asprintf("%3u.%3u.%3u.%3u", b[0], b[1], b[2], b[3]);
}

uint32_t tcClockFields::server_of(const tcMeterRecord& clock) {
  const std::array<uint8_t, 4> bytes = clock.sntp_server();
  uint32_t address = 0;
  std::memcpy(&address, bytes.data(), sizeof address);
  return address;
}

tcApCodec::ClockSet tcClockFields::clock_set(const QDate& date, const QTime& time, int mode,
                                             uint32_t server, int32_t offset_seconds) {
  tcApCodec::ClockSet out;
  out.year = static_cast<uint8_t>(date.year() - kFirstYear);
  out.month = static_cast<uint8_t>(date.month());
  out.day = static_cast<uint8_t>(date.day());
  out.weekday = static_cast<uint8_t>(date.dayOfWeek() % 7);
  out.hour = static_cast<uint8_t>(time.hour());
  out.minute = static_cast<uint8_t>(time.minute());
  out.second = static_cast<uint8_t>(time.second());
  out.mode = mode == kSntp ? 1 : 0;
  std::memcpy(out.server, &server, sizeof out.server);
  out.zone_seconds = offset_seconds;
  return out;
}
