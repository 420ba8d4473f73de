#include "skin/objects/tcGuiListColours.h"

#include "skin/objects/tcObjectReader.h"

const tcXmlData::AttrRow tcGuiListColours::kAttrs[] = {
    {"fg", kFg, &tcGuiListColours::set_colour},
    {"bg", kBg, &tcGuiListColours::set_colour},
    {"fg_list", kFgList, &tcGuiListColours::set_colour},
    {"bg_list", kBgList, &tcGuiListColours::set_colour},
    {"fg_select", kFgSelect, &tcGuiListColours::set_colour},
    {"bg_select", kBgSelect, &tcGuiListColours::set_colour},
    {"fg_hilite", kFgHilite, &tcGuiListColours::set_colour},
    {"bg_hilite", kBgHilite, &tcGuiListColours::set_colour},
    {"bg_rail", kBgRail, &tcGuiListColours::set_colour},
    {nullptr, 0, nullptr},
};

tcGuiListColours::~tcGuiListColours() = default;

void tcGuiListColours::set_colour(tcXmlData& x, const char* value, int arg) {
  if (auto* self = tcObjectReader::target<tcGuiListColours>(x)) {
    self->colours_[arg] = tcObjectReader::of(x).colour(value);
  }
}
