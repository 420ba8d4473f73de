#pragma once
// Knobs and their LED rings. A knob picture holds one section per pointer
// position with the unlit ring around it; a ring picture holds one section per
// LED, the lit LED alone, so the knob lights any set of LEDs over its picture.
#include <QColor>
#include <QImage>

class tcKnobArt {
 public:
  static constexpr int kPositions = 33;
  // Sections 0 and 1 stay empty: the ring's LEDs are numbered 2 to 22.
  static constexpr int kLedSections = 23;
  static constexpr int kFirstLed = 2;
  static constexpr int kLastLed = 22;
  static constexpr double kSweep = 270.0;  // degrees from the minimum to the maximum

  struct Size {
    int box;            // the picture's side
    double ring;        // radius of the LED segments' centre line
    double ring_width;  // thickness of a segment
    double body;        // radius of the knob
    double pointer;     // width of the pointer line
  };
  static const Size kLarge;  // main level and drive controls
  static const Size kSmall;  // every other knob

  static QImage knob(const Size& size);
  static QImage leds(const Size& size, const QColor& colour);
};
