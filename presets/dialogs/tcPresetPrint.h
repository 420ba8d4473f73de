#pragma once
// Printed presets and preset comparisons: the lines of each (pure text), and
// their layout on pages: a heading on every page, lines in a fixed-width font,
// fields after tabs in columns, marked lines in red.
#include <QString>
#include <QVector>

class GLOBALS;
class QPrinter;
class QWidget;
class SETTINGS;
class tcPresetHeader;
struct tcPresetDiffRow;

struct tcPrintLine {
  QString text;
  bool marked = false;  // printed in red
};

// One printed piece; each starts on a new page.
struct tcPrintSection {
  QString title;    // left of the heading line
  QString heading;  // right of it
  QVector<tcPrintLine> lines;
};

class tcPresetPrint {
 public:
  // One line per parameter in table order: "%-3d:   %-25s    %8s" (running
  // number, name, display text) without the secret ones; in engineering mode
  // first one line per global, then every preset parameter with its type,
  // range, default, value and flags.
  static tcPrintSection preset(const tcPresetHeader& header, const SETTINGS& set,
                               const GLOBALS& globals, bool guru);
  // The comparison page: "Differences", "Morvallion QX770HD", one line per row.
  static tcPrintSection diff(const QVector<tcPresetDiffRow>& rows);

  // Lays the sections out on the printer's pages.
  static void render(QPrinter& printer, const QVector<tcPrintSection>& sections);
  // The print dialog, then render; false when the user cancelled.
  static bool print(QWidget* parent, const QVector<tcPrintSection>& sections);
};
