#pragma once
// A skin font: the face and look named by a `font` element, and the line
// spacing that multi-line texts use. Texts whose letters are spread by blanks
// read as words in a font whose blanks are narrowed (word space below 100).
#include <QFont>

#include "app/core/tcString.h"

class tcGuiFont {
 public:
  tcGuiFont() = default;
  tcGuiFont(const char* face, int size, int spacing);

  QFont qfont() const;

  tcString face = "Arial";
  int size = 14;
  bool bold = false;
  bool italic = false;
  int angle = 0;
  int spacing = 11;
  // Width of a blank in percent of the face's own.
  int word_space = 100;
};
