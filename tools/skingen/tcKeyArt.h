#pragma once
// Keys: push buttons, toggle keys (check boxes drawn as keys) and segment keys
// (radio items drawn as keys). A key is lit in its block's accent when on; a
// key with a status light shows it filled when its section is on and hollow
// when it is off, so the states read without colour too.
#include <QImage>
#include <QRectF>
#include <vector>

#include "tools/skingen/tcSkinPalette.h"

class QPainter;

class tcKeyArt {
 public:
  enum Press { kRest, kHover, kDown };
  enum Light { kNoLight, kLightOff, kLightOn };
  enum Icon { kNoIcon, kAbout, kMinimize, kClose };

  struct Look {
    tcAccent accent = tcAccent::kGrey;
    bool lit = false;
    Light light = kNoLight;
    Press press = kRest;
    bool dim = false;  // the disabled look
    Icon icon = kNoIcon;
  };

  static void draw(QPainter& p, const QRectF& box, const Look& look);

  // Twelve sections: display state 0 to 3, each at rest, hovered and down.
  // With a status light, bit 0 of the state lights the key (its page is
  // shown) and bit 1 shows the light hollow (its section is off). Without
  // one, state 1 is lit, 2 and 3 are the dimmed forms of 0 and 1.
  static QImage button(int w, int h, tcAccent accent, bool light, Icon icon = kNoIcon);
  // Six sections of a check box: off, off hovered, off armed, on, on hovered, on armed.
  static QImage toggle(int w, int h, tcAccent accent);
  // Four sections of a radio item: off, off hovered, on, on hovered.
  static QImage segment(int w, int h, tcAccent accent);

 private:
  // Off through the presses, then on through them again.
  static QImage on_off(int w, int h, tcAccent accent, const std::vector<Press>& presses);
};
