#pragma once
// The texts of the event scheduler: the rows of both lists, the preset names
// and the processor's clock line. Values that came from the processor out of
// range still give a text.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "link/protocol/tsAPEvent.h"

class tcMeterRecord;
class tcPresetDirectory;

class tcEventText {
 public:
  static constexpr const char* kDeviceName = "QX770HD";
  static constexpr const char* kTime24 = "hh:mm:ss";
  static constexpr const char* kTime12 = "hh:mm:ss ap";

  // Seven characters Sunday to Saturday: the day's letter when set, else "_".
  static QString days(uint8_t days);
  static QString time(int hour, int minute, int second, bool hour24);
  // "%03d - " with slot + 1 and the slot's name, "????" for an empty slot.
  static QString preset(const tcPresetDirectory& directory, uint32_t slot);
  // "Jan 5".
  static QString date(int month, int day);
  // "Jan" to "Dec"; 0 reads "Jan", above 12 "Dec".
  static QString month_name(int month);
  // "Sun" to "Sat"; above 6 reads "Sat".
  static QString weekday_name(int weekday);
  // "QX770HD Time:  Mon, Jan 5, 2009  -  13:04:05", or "01:04:05 pm" in 12-hour mode.
  static QString clock_line(const tcMeterRecord& clock, bool hour24);

  // The three columns of a row; kinds other than weekly and long-term give none.
  static QStringList row(const tcIddApGui::tsAPEvent& event, const tcPresetDirectory& directory,
                         bool hour24);
};
