#pragma once
// The rest of the skin's pictures: the panel face, list arrows, the slider,
// meter bars and the arrows of the signal-flow strip.
#include <QColor>
#include <QImage>

class tcFixtureArt {
 public:
  static constexpr int kWidth = 1024;
  static constexpr int kHeight = 768;
  static constexpr int kDragBand = 30;  // the band that drags the window

  static QImage background();
  // Three sections of a list's arrow area: at rest, up held, down held.
  static QImage combo_arrows(int w, int h);
  static QImage rail(int w, int h);
  // Two sections: at rest, hovered or dragged.
  static QImage thumb(int w, int h, const QColor& accent);
  // Six sections each, as the meters want them: 0 unlit, 1 lit, the rest
  // copies of the lit bar. Level bars: green to -6 dB below the top, amber to
  // -2 dB, red above (of a 40 dB scale); gain reduction amber to red.
  static QImage level_bar(int w, int h);
  static QImage reduction_bar(int w, int h);
  static QImage overload(int w, int h);
  // The arrow between the page keys of the flow strip.
  static QImage arrow_right(int w, int h);
};
