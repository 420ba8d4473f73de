#include "presets/dialogs/tcPresetDiff.h"

#include "params/SETTINGS.h"
#include "params/tcPresetHeader.h"

namespace {

tcPresetDiffRow text_row(const char* setting, const QString& first, const QString& second) {
  return {QLatin1String(setting), first, second, first != second};
}

bool values_differ(const SETTINGS& first, const SETTINGS& second, uint16_t id) {
  if (first.type(id) == MAP_TYPE::kFloat) return first.eng(id) != second.eng(id);
  return first.int_value(id) != second.int_value(id);
}

}  // namespace

QVector<tcPresetDiffRow> tcPresetDiff::rows(const tcPresetHeader& first_header,
                                            const SETTINGS& first,
                                            const tcPresetHeader& second_header,
                                            const SETTINGS& second, bool guru) {
  QVector<tcPresetDiffRow> rows;
  uint16_t first_count = 0;
  uint16_t second_count = 0;
  const uint32_t first_crc = first.checksum(tcSettings::kNormal, &first_count);
  const uint32_t second_crc = second.checksum(tcSettings::kNormal, &second_count);
  rows << text_row("Name", first_header.name_text().toQString(),
                   second_header.name_text().toQString());
  rows << text_row("Num Parameters", QString::number(first_count), QString::number(second_count));
  rows << text_row("CRC", QStringLiteral("%1").arg(first_crc, 8, 16, QLatin1Char('0')).toUpper(),
                   QStringLiteral("%1").arg(second_crc, 8, 16, QLatin1Char('0')).toUpper());
  const tcParamTable& table = first.table();
  for (int i = 0; i < table.count(); ++i) {
    const tcParamRow& row = table.rows()[i];
    if (row.secret && !guru) continue;
    rows << tcPresetDiffRow{QString::fromLatin1(row.name), first.format(row.id).toQString(),
                            second.format(row.id).toQString(),
                            values_differ(first, second, row.id)};
  }
  return rows;
}

QString tcPresetDiff::line(const tcPresetDiffRow& row) {
  return QStringLiteral("%1 %2\t%3\t%4\t")
      .arg(row.differs ? QStringLiteral("**") : QStringLiteral("  "), row.setting, row.first,
           row.second);
}
