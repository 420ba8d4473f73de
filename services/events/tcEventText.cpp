#include "services/events/tcEventText.h"

#include <QTime>

#include "link/protocol/tcMeterRecord.h"
#include "link/transport/tcPresetDirectory.h"
#include "services/events/tsAPLongEvent.h"
#include "services/events/tsAPWeekEvent.h"

namespace {
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char kDayLetters[] = "SMTWTFS";
}  // namespace

QString tcEventText::days(uint8_t days) {
  QString out;
  for (int d = 0; d < 7; ++d) out += QLatin1Char((days & (1u << d)) ? kDayLetters[d] : '_');
  return out;
}

QString tcEventText::time(int hour, int minute, int second, bool hour24) {
  const QTime t(hour, minute, second);
  // A time no clock shows still tells what the processor holds.
  if (!t.isValid()) return QString::asprintf("%02d:%02d:%02d", hour, minute, second);
  return t.toString(QString::fromLatin1(hour24 ? kTime24 : kTime12));
}

QString tcEventText::preset(const tcPresetDirectory& directory, uint32_t slot) {
  tcPresetHeader header;
  if (directory.get(static_cast<int>(slot), header) != 0 || !header.present)
    return QString::asprintf("%03u - %s", slot + 1, "????");
  return QString::asprintf("%03d - ", static_cast<int>(slot) + 1) + header.name_text().toQString();
}

QString tcEventText::month_name(int month) {
  const int index = month < 1 ? 0 : month > 12 ? 11 : month - 1;
  return QString::fromLatin1(kMonths[index]);
}

QString tcEventText::weekday_name(int weekday) {
  return QString::fromLatin1(kWeekdays[weekday < 0 ? 0 : weekday > 6 ? 6 : weekday]);
}

QString tcEventText::date(int month, int day) {
  return month_name(month) + QString::asprintf(" %d", day);
}

QString tcEventText::clock_line(const tcMeterRecord& clock, bool hour24) {
  int hour = clock.hour();
  QString suffix;
  if (!hour24) {
    suffix = hour < 12 ? QStringLiteral(" am") : QStringLiteral(" pm");
    if (hour > 12) hour -= 12;
  }
  return QString::fromLatin1(kDeviceName) + QStringLiteral(" Time:  ") +
         weekday_name(clock.weekday()) + QStringLiteral(", ") + month_name(clock.month()) +
         QString::asprintf(" %d, %d  -  %02d:%02d:%02d", clock.day(), clock.year(), hour,
                           clock.minute(), clock.second()) +
         suffix;
}

QStringList tcEventText::row(const tcIddApGui::tsAPEvent& event, const tcPresetDirectory& directory,
                             bool hour24) {
  using tcIddApGui::tsAPLongEvent;
  using tcIddApGui::tsAPWeekEvent;
  if (tsAPWeekEvent::matches(event)) {
    const tsAPWeekEvent w = tsAPWeekEvent::decode(event);
    return {days(w.days), time(w.hour, w.minute, w.second, hour24), preset(directory, w.slot)};
  }
  if (tsAPLongEvent::matches(event)) {
    const tsAPLongEvent l = tsAPLongEvent::decode(event);
    return {date(l.month, l.day), time(l.hour, l.minute, l.second, hour24),
            preset(directory, l.slot)};
  }
  return {};
}
