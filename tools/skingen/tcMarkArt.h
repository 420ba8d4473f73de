#pragma once
// Small marks: check boxes, radio dots and lamps. On is filled, off is hollow,
// so every state reads without colour.
#include <QColor>
#include <QImage>

class tcMarkArt {
 public:
  static constexpr int kSide = 16;
  static constexpr int kSmallLamp = 12;

  // Six sections: off, off hovered, off armed, on, on hovered, on armed. The
  // box sits at the left of a section `width` wide, so that a check box can
  // reach over its label and the label takes clicks too.
  static QImage check(const QColor& accent, int width);
  // Four sections: off, off hovered, on, on hovered; the dot at the left.
  static QImage radio(const QColor& accent, int width);
  // Three states of a status lamp: 0 normal (a filled dot), 1 alarm (a
  // filled triangle), 2 not known (a hollow ring).
  static QImage status_lamp();
  // Two states: off (hollow), on (filled).
  static QImage lamp(const QColor& accent);
};
