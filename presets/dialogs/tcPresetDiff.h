#pragma once
// The rows of a comparison of two presets: name, parameter count and check sum
// of the normal group, then every parameter in table order (the secret ones
// only in engineering mode) with both display texts.
#include <QString>
#include <QVector>

class SETTINGS;
class tcPresetHeader;

struct tcPresetDiffRow {
  QString setting;
  QString first;
  QString second;
  bool differs = false;
};

class tcPresetDiff {
 public:
  // A parameter row differs when the integer or switch values differ or the
  // float engineering values do; a header row when its texts differ.
  static QVector<tcPresetDiffRow> rows(const tcPresetHeader& first_header, const SETTINGS& first,
                                       const tcPresetHeader& second_header, const SETTINGS& second,
                                       bool guru);
  // The printed line: "**" (or two blanks), the setting, both values and an
  // empty trailing field, made with "%s %s\t%s\t%s\t%s".
  static QString line(const tcPresetDiffRow& row);
};
