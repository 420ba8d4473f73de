#pragma once
// Gradient text of the meter and analysis displays: stops separated by ";",
// each a position 0.0 to 1.0 and six hexadecimal digits RRGGBB separated by ",".
#include <QGradientStops>
#include <QString>

class tcGradient {
 public:
  // The stops of `text`, sorted by position. A stop that does not split into a
  // position and a colour, or whose parts do not read as such, is skipped; a
  // text without one good stop gives fallback().
  static QGradientStops parse(const QString& text);
  // Drawn when no stop is usable.
  static QGradientStops fallback();
  // Six hexadecimal digits to an opaque colour; false (and `out` untouched)
  // when the text is not exactly that.
  static bool parse_colour(const QString& text, QRgb* out);
  // The colour of `text`, or `fallback` when it is not six hexadecimal digits.
  static QRgb colour_or(const QString& text, QRgb fallback) {
    parse_colour(text, &fallback);
    return fallback;
  }
  // The "%06X" form stored in option files.
  static QString colour_text(QRgb colour);
};
