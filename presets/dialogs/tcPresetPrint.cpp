#include "presets/dialogs/tcPresetPrint.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <iterator>

#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "params/tcPresetHeader.h"
#include "presets/dialogs/tcPresetDiff.h"

namespace {

constexpr int kPointSize = 8;
// Columns of the fields after tabs, in characters.
constexpr int kTabStops[] = {28, 44, 60};

QString printf_line(const char* format, ...) __attribute__((format(printf, 1, 2)));
QString printf_line(const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return QString::fromLatin1(buffer);
}

// Minimum, maximum, default and value of a parameter as the engineering lines
// show them (before their cut to ten characters), and its type letter.
struct Fields {
  char type;
  QByteArray min, max, def, value;
};

Fields fields_of(const tcParamStore& store, uint16_t id) {
  switch (store.type(id)) {
    case MAP_TYPE::kFloat: {
      const auto text = [](float v) {
        return QString::asprintf("%10.2f", static_cast<double>(v)).toLatin1();
      };
      return {'F', text(store.float_min(id)), text(store.float_max(id)),
              text(store.float_default(id)), text(store.eng(id))};
    }
    case MAP_TYPE::kInt: {
      // Unsigned: the 32-bit codes and ranges would print negative as "%d".
      const auto text = [](uint32_t v) { return QString::asprintf("%10u", v).toLatin1(); };
      return {'I', text(store.int_min(id)), text(store.int_max(id)), text(store.int_default(id)),
              text(store.int_value(id))};
    }
    default: {
      const auto text = [](bool v) { return QByteArray(v ? "True" : "False"); };
      return {'B', "--", "--", text(store.int_default(id)), text(store.bool_value(id))};
    }
  }
}

// The lines line up by character: a fixed-pitch face, whichever the system has.
QFont print_font() {
  QFont font(QStringLiteral("Courier New"), kPointSize);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (!QFontInfo(font).fixedPitch()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(kPointSize);
  }
  return font;
}

}  // namespace

tcPrintSection tcPresetPrint::preset(const tcPresetHeader& header, const SETTINGS& set,
                                     const GLOBALS& globals, bool guru) {
  tcPrintSection section;
  section.title = header.name_text().toQString();
  section.heading = QStringLiteral("Morvallion QX770HD Pro");
  int number = 1;
  if (guru) {
    const tcParamTable& table = globals.table();
    for (int i = 0; i < table.count(); ++i) {
      const uint16_t id = table.rows()[i].id;
      const Fields f = fields_of(globals, id);
      section.lines << tcPrintLine{
          printf_line("G: %-3d (%04x)-%c: [%10.10s, %10.10s, %10.10s: %10.10s] %-10s %s", number++,
                      id, f.type, f.min.constData(), f.max.constData(), f.def.constData(),
                      f.value.constData(), globals.format(id).c_str(), globals.name(id).c_str())};
    }
    number = 1;
  }
  const tcParamTable& table = set.table();
  for (int i = 0; i < table.count(); ++i) {
    const tcParamRow& row = table.rows()[i];
    if (!guru) {
      if (row.secret) continue;
      section.lines << tcPrintLine{
          printf_line("%-3d:   %-25s    %8s", number++, row.name, set.format(row.id).c_str())};
      continue;
    }
    const Fields f = fields_of(set, row.id);
    section.lines << tcPrintLine{
        printf_line("p: %-3d (%04x)-%c: [%10.10s, %10.10s, %10.10s: %10.10s] %-10s fs: %-1s%-1s %s",
                    number++, row.id, f.type, f.min.constData(), f.max.constData(),
                    f.def.constData(), f.value.constData(), set.format(row.id).c_str(),
                    row.follow_io ? "T" : "f", row.secret ? "T" : "f", row.name)};
  }
  return section;
}

tcPrintSection tcPresetPrint::diff(const QVector<tcPresetDiffRow>& rows) {
  tcPrintSection section;
  section.title = QStringLiteral("Differences");
  section.heading = QStringLiteral("Morvallion QX770HD");
  for (const tcPresetDiffRow& row : rows)
    section.lines << tcPrintLine{tcPresetDiff::line(row), row.differs};
  return section;
}

void tcPresetPrint::render(QPrinter& printer, const QVector<tcPrintSection>& sections) {
  QPainter painter(&printer);
  const QFont font = print_font();
  QFont heading_font = font;
  heading_font.setPointSize(kPointSize + 3);
  heading_font.setBold(true);
  painter.setFont(font);
  const QFontMetricsF metrics(font, &printer);
  const QFontMetricsF heading_metrics(heading_font, &printer);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QRectF area(0, 0, page.width(), page.height());
  const qreal line_height = metrics.lineSpacing();
  const qreal char_width = metrics.horizontalAdvance(QLatin1Char('0'));
  const qreal top = heading_metrics.lineSpacing() + line_height;

  bool first_page = true;
  for (const tcPrintSection& section : sections) {
    int at = 0;
    int page_number = 1;
    do {
      if (!first_page) printer.newPage();
      first_page = false;
      painter.setPen(Qt::black);
      painter.setFont(heading_font);
      const QRectF heading(area.left(), area.top(), area.width(), heading_metrics.lineSpacing());
      painter.drawText(heading, Qt::AlignLeft | Qt::AlignVCenter, section.title);
      painter.drawText(heading, Qt::AlignRight | Qt::AlignVCenter, section.heading);
      painter.drawLine(QPointF(area.left(), heading.bottom() + line_height / 3),
                       QPointF(area.right(), heading.bottom() + line_height / 3));
      painter.setFont(font);
      // One line at the foot for the page number.
      qreal y = area.top() + top;
      const qreal bottom = area.bottom() - 2 * line_height;
      for (; at < section.lines.size() && y + line_height <= bottom; ++at, y += line_height) {
        const tcPrintLine& line = section.lines[at];
        painter.setPen(line.marked ? Qt::red : Qt::black);
        // Each field after a tab starts at its column, or a blank after the one before.
        qreal x = area.left();
        const QStringList fields = line.text.split(QLatin1Char('\t'));
        for (int f = 0; f < fields.size(); ++f) {
          if (f > 0) {
            const qreal stop =
                area.left() + kTabStops[std::min<int>(f, std::size(kTabStops)) - 1] * char_width;
            x = std::max(stop, x + char_width);
          }
          painter.drawText(QPointF(x, y + metrics.ascent()), fields[f]);
          x += metrics.horizontalAdvance(fields[f]);
        }
      }
      painter.setPen(Qt::black);
      painter.drawText(QRectF(area.left(), area.bottom() - line_height, area.width(), line_height),
                       Qt::AlignHCenter, QStringLiteral("Page %1").arg(page_number++));
    } while (at < section.lines.size());
  }
}

bool tcPresetPrint::print(QWidget* parent, const QVector<tcPrintSection>& sections) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  render(printer, sections);
  return true;
}
