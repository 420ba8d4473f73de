#include "skin/objects/tcGuiFont.h"

#include <QFontMetricsF>

tcGuiFont::tcGuiFont(const char* face_name, int font_size, int line_spacing)
    : face(face_name), size(font_size), spacing(line_spacing) {}

QFont tcGuiFont::qfont() const {
  QFont font(face.toQString());
  font.setPixelSize(size > 0 ? size : 1);
  font.setBold(bold);
  font.setItalic(italic);
  if (word_space != 100) {
    const qreal blank = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
    font.setWordSpacing(blank * (word_space - 100) / 100.0);
  }
  return font;
}
