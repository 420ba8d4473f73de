#pragma once
// Checks a control group against the skin it was built on: every name of its
// name table must find a skin object (or a named object group), and every
// bound object must be of a kind its tables expect. The binding tables give
// the kinds of their controls (switch rows: check box; value rows: list
// control, or a display for formatted rows; knob rows: knob or slider and a
// display); `extra` gives them for controls that no table names.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "panel/framework/tcControlGroup.h"
#include "skin/objects/tcGuiObject.h"

using tcKindSet = std::set<int>;

inline std::map<int, tcKindSet> tcExpectedKinds(const tcControlGroup& g) {
  std::map<int, tcKindSet> kinds;
  for (const auto* r = g.switchTable(); r->control != tcControlGroup::kEnd; ++r) {
    kinds[static_cast<int>(r->control)] = {tcGuiObject::kCheckBox};
  }
  for (const auto* r = g.valueTable(); r->control != tcControlGroup::kEnd; ++r) {
    kinds[static_cast<int>(r->control)] =
        r->mode == 0 ? tcKindSet{tcGuiObject::kCombo}
                     : tcKindSet{tcGuiObject::kCombo, tcGuiObject::kDisplay};
  }
  for (const auto* r = g.knobTable(); r->knob != tcControlGroup::kEnd; ++r) {
    kinds[static_cast<int>(r->knob)] = {tcGuiObject::kKnob, tcGuiObject::kSlider};
    if (r->display != 0) kinds[static_cast<int>(r->display)] = {tcGuiObject::kDisplay};
  }
  return kinds;
}

// `extra`: kinds of controls outside the tables (an empty set takes any kind).
// `absent`: names the skin may lack.
inline void tcExpectGroupMatchesSkin(const tcControlGroup& g,
                                     const std::map<int, tcKindSet>& extra = {},
                                     const std::set<std::string>& absent = {}) {
  std::map<int, tcKindSet> kinds = tcExpectedKinds(g);
  kinds.insert(extra.begin(), extra.end());
  for (const auto* row = g.nameTable(); row && row->id != 0; ++row) {
    if (absent.count(row->name)) continue;
    if (g.findObjectGroup(row->id)) continue;
    const tcGuiObject* o = g.findObject(row->id);
    if (!o) {
      ADD_FAILURE() << row->name << " (" << row->id << ") is not in the skin";
      continue;
    }
    const auto it = kinds.find(row->id);
    if (it == kinds.end()) {
      ADD_FAILURE() << row->name << " (" << row->id << ") has no expected kind";
    } else if (!it->second.empty() && !it->second.count(o->kind())) {
      ADD_FAILURE() << row->name << " (" << row->id << ") is of kind " << o->kind();
    }
  }
}
