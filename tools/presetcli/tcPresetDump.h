#pragma once
// What qx770preset prints about a preset: the readable listing, the JSON object and
// the list of differences between two sets.
#include <QByteArray>

#include "params/tcPresetHeader.h"
#include "params/tcSettings.h"

class tcPresetDump {
 public:
  // Name, map version, the three check sums and counts, then one line per
  // parameter: number, id, name and display text.
  static QByteArray text(const tcPresetHeader& header, const tcSettings& set);
  // One JSON object and a line feed; parameters in table order.
  static QByteArray json(const tcPresetHeader& header, const tcSettings& set);
  // One line per parameter whose raw values differ; empty when the sets agree.
  static QByteArray diff(const tcSettings& a, const tcSettings& b);

  // A JSON string literal of 8-bit text (bytes above 0x7F taken as Latin-1).
  static QByteArray json_string(const QByteArray& text);
  // The shortest decimal form that reads back as the same float.
  static QByteArray number(float value);
};
