#include "panel/framework/tcRadioTable.h"

#include "panel/framework/tcControlGroup.h"
#include "skin/objects/tcGuiRadioGroup.h"
#include "skin/objects/tcGuiRadioItem.h"

namespace {
const tcGuiRadioGroup* radio_of(const tcControlGroup& g, int group) {
  return static_cast<const tcGuiRadioGroup*>(g.findObjectOfKind(group, tcGuiObject::kRadioGroup));
}
}  // namespace

bool tcRadioTable::valueOf(const tcControlGroup& g, const tcRadioRow* rows, int group, int index,
                           uint32_t* value) {
  const tcGuiRadioGroup* radio = radio_of(g, group);
  if (!radio || index < 0 || index >= static_cast<int>(radio->items().size())) return false;
  const tcGuiObject* item = radio->items()[static_cast<size_t>(index)];
  for (const tcRadioRow* r = rows; r && r->group != 0; ++r) {
    if (r->group == group && g.findObject(r->item) == item) {
      *value = r->value;
      return true;
    }
  }
  return false;
}

void tcRadioTable::select(tcControlGroup& g, const tcRadioRow* rows, int group, uint32_t value) {
  const tcGuiRadioGroup* radio = radio_of(g, group);
  if (!radio) return;
  for (const tcRadioRow* r = rows; r && r->group != 0; ++r) {
    if (r->group != group || r->value != value) continue;
    const tcGuiObject* item = g.findObject(r->item);
    const auto& items = radio->items();
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i] == item) {
        g.setState(group, static_cast<int>(i));
        return;
      }
    }
  }
}

const tcRadioRow* tcRadioTable::rowOfItem(const tcRadioRow* rows, int item) {
  for (const tcRadioRow* r = rows; r && r->group != 0; ++r) {
    if (r->item == item) return r;
  }
  return nullptr;
}
