#include "panel/groups/tcPageSetup.h"

#include <cstring>
#include <vector>

#include "panel/framework/tcAPBench.h"
#include "params/tcLiveSettings.h"
#include "skin/objects/tcGuiCombo.h"

void tcPageSetup::fillList(tcControlGroup& g, const tcListItems* lists, int control) {
  for (const tcListItems* row = lists; row && row->control != 0; ++row) {
    if (row->control != control) continue;
    std::vector<tcString> items;
    for (const char* const* item = row->items; *item; ++item) items.emplace_back(*item);
    g.setListItems(control, items);
    return;
  }
}

void tcPageSetup::fillLists(tcControlGroup& g, const tcListItems* lists) {
  for (const tcListItems* row = lists; row && row->control != 0; ++row) {
    g.fillListItems(row->control);
  }
}

tcString tcPageSetup::shownUnit(const char* unit) {
  if (!unit) return tcString();
  return std::strcmp(unit, "%%") == 0 ? tcString("%") : tcString(unit);
}

void tcPageSetup::setUpControls(tcControlGroup& g) {
  for (const auto* r = g.knobTable(); r->knob != tcControlGroup::kEnd; ++r) {
    const tcString unit = shownUnit(r->unit);
    g.setupRange(static_cast<int>(r->knob), r->param, static_cast<int>(r->display),
                 r->unit ? unit.c_str() : nullptr);
  }
  for (const auto* r = g.valueTable(); r->control != tcControlGroup::kEnd; ++r) {
    if (r->mode == 0) continue;
    tcGuiObject* o = g.findObjectOfKind(static_cast<int>(r->control), tcGuiObject::kCombo);
    if (!o) continue;
    auto* list = static_cast<tcGuiCombo*>(o);
    list->set_editable(true);
    list->set_units(shownUnit(r->unit));
  }
}

void tcPageSetup::refreshTables(tcControlGroup& g) {
  setUpControls(g);
  g.refreshSwitches();
  g.refreshValues();
  g.refreshKnobs();
}

bool tcPageSetup::isCurrentSet(const tcControlGroup& g, int set_index) {
  const tcLiveSettings* banks = g.bench()->stores().banks;
  return banks && set_index == banks->current_slot();
}
