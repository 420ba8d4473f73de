#pragma once
// The list colours that combos and list boxes share, with the setter of their
// `color` element.
#include <cstdint>

#include "skin/xml/tcXmlData.h"

class tcGuiListColours {
 public:
  enum Which { kFg, kBg, kFgList, kBgList, kFgSelect, kBgSelect, kFgHilite, kBgHilite, kBgRail };
  static constexpr int kCount = kBgRail + 1;

  virtual ~tcGuiListColours();

  uint32_t list_colour(int which) const { return colours_[which]; }

  static const tcXmlData::AttrRow kAttrs[];

 private:
  static void set_colour(tcXmlData& x, const char* value, int arg);

  uint32_t colours_[kCount] = {0xFF000000u, 0xFFFFFFFFu, 0xFF000000u, 0xFFFFFFFFu, 0xFFFFFFFFu,
                               0xFF000080u, 0xFF000000u, 0xFFC0C0C0u, 0xFF808080u};
};
