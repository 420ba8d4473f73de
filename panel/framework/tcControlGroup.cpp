#include "panel/framework/tcControlGroup.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "app/core/tcOptions.h"
#include "panel/framework/tcAPBench.h"
#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "params/tcLiveSettings.h"
#include "skin/objects/tcGuiButton.h"
#include "skin/objects/tcGuiCombo.h"
#include "skin/objects/tcGuiDisplay.h"
#include "skin/objects/tcGuiKnob.h"
#include "skin/objects/tcGuiSlider.h"

namespace {

const tcControlGroup::SwitchRow kNoSwitches[] = {{tcControlGroup::kEnd, 0, 0}};
const tcControlGroup::ValueRow kNoValues[] = {{tcControlGroup::kEnd, 0, 0, nullptr}};
const tcControlGroup::KnobRow kNoKnobs[] = {{tcControlGroup::kEnd, 0, 0, nullptr}};

tcControlGroup* of(void* cookie) {
  return static_cast<tcControlGroup*>(cookie);
}

// The callbacks that each kind of object reports through; the group id the
// object hands back is the control id.
struct KindCallbacks {
  int kind;
  tcGuiObject::ValueCallback value;
  tcGuiObject::EditCallback edit;
  tcGuiObject::ClickCallback dclick;
  tcGuiObject::ClickCallback click;  // buttons
};

const KindCallbacks kCallbacks[] = {
    {tcGuiObject::kButton, nullptr, nullptr, nullptr, [](void* c, int id) { of(c)->onButton(id); }},
    {tcGuiObject::kKnob, [](void* c, int id, int v) { of(c)->onKnobMoved(id, v); }, nullptr,
     nullptr, nullptr},
    {tcGuiObject::kSlider, [](void* c, int id, int v) { of(c)->onKnobMoved(id, v); }, nullptr,
     nullptr, nullptr},
    {tcGuiObject::kCombo, [](void* c, int id, int n) { of(c)->onListStep(id, n); },
     [](void* c, int id, const tcString& t) { of(c)->onListText(id, t); }, nullptr, nullptr},
    {tcGuiObject::kCheckBox, [](void* c, int id, int s) { of(c)->onSwitchToggled(id, s); }, nullptr,
     nullptr, nullptr},
    {tcGuiObject::kRadioGroup, [](void* c, int id, int i) { of(c)->onRadioSelected(id, i); },
     nullptr, nullptr, nullptr},
    {tcGuiObject::kDisplay, nullptr,
     [](void* c, int id, const tcString& t) { of(c)->onDisplayText(id, t); },
     [](void* c, int id) { of(c)->onDisplayClicked(id); }, nullptr},
};

const KindCallbacks* callbacks_of(int kind) {
  for (const KindCallbacks& k : kCallbacks) {
    if (k.kind == kind) return &k;
  }
  return nullptr;
}

int to_int(uint32_t v) {
  return v > static_cast<uint32_t>(INT_MAX) ? INT_MAX : static_cast<int>(v);
}

uint32_t to_raw(long long v) {
  return v < 0 ? 0u : (v > 0xFFFFFFFFLL ? 0xFFFFFFFFu : static_cast<uint32_t>(v));
}

}  // namespace

tcControlGroup::tcControlGroup(tcAPBench* bench, const NameRow* names)
    : bench_(bench),
      names_(names),
      switch_table_(kNoSwitches),
      value_table_(kNoValues),
      knob_table_(kNoKnobs) {
  for (const NameRow* row = names_; row && row->id != 0; ++row) {
    if (const auto* members = bench_->find_object_group(row->name)) {
      for (tcGuiObject* member : *members) bind(member, 0, member->name());
      skin_groups_.push_back(SkinGroup{row->id, row->name, members});
    } else if (tcGuiObject* object = bench_->find_object(row->name)) {
      bind(object, row->id, row->name);
    }
  }
}

tcControlGroup::~tcControlGroup() {
  // The objects may outlive the group (a new skin, a test); no callback must
  // reach it any more.
  for (const Bound& b : objects_) clearCallbacks(b.object);
}

void tcControlGroup::bind(tcGuiObject* object, int id, const tcString& name) {
  objects_.push_back(Bound{id, name, object});
  // Every bound object carries its control id: the bench's lock asks by it.
  object->set_callback(nullptr, this, id);
  if (onObjectCreated(objects_.back()) != 0) return;
  const KindCallbacks* k = callbacks_of(object->kind());
  if (!k) return;
  object->set_callback(k->value, this, id);
  if (k->edit) object->set_edit_callback(k->edit);
  if (k->dclick) object->set_dclick_callback(k->dclick);
  if (k->click) static_cast<tcGuiButton*>(object)->set_click_callback(k->click);
}

void tcControlGroup::clearCallbacks(tcGuiObject* object) {
  object->set_callback(nullptr, nullptr, 0);
  object->set_edit_callback(nullptr);
  object->set_dclick_callback(nullptr);
  if (object->kind() == tcGuiObject::kButton) {
    static_cast<tcGuiButton*>(object)->set_click_callback(nullptr);
  }
}

void tcControlGroup::resetObject(tcGuiObject* object) {
  if (!object) return;
  clearCallbacks(object);
  if (object->visible()) bench_->invalidate(object->area());
}

void tcControlGroup::setTables(const SwitchRow* switches, const ValueRow* values,
                               const KnobRow* knobs) {
  switch_table_ = switches ? switches : kNoSwitches;
  value_table_ = values ? values : kNoValues;
  knob_table_ = knobs ? knobs : kNoKnobs;
}

// --- Finding -------------------------------------------------------------------

tcGuiObject* tcControlGroup::findObject(int id) const {
  if (id == 0) return nullptr;  // group members are not addressed by id
  for (const Bound& b : objects_) {
    if (b.id == id) return b.object;
  }
  return nullptr;
}

tcGuiObject* tcControlGroup::findObjectOfKind(int id, int kind) const {
  tcGuiObject* object = findObject(id);
  return object && object->kind() == kind ? object : nullptr;
}

const tcControlGroup::SkinGroup* tcControlGroup::findObjectGroup(int id) const {
  for (const SkinGroup& g : skin_groups_) {
    if (g.id == id) return &g;
  }
  return nullptr;
}

const tcControlGroup::SwitchRow* tcControlGroup::switchRowOf(int control) const {
  for (const SwitchRow* r = switch_table_; r->control != kEnd; ++r) {
    if (static_cast<int>(r->control) == control) return r;
  }
  return nullptr;
}

const tcControlGroup::ValueRow* tcControlGroup::valueRowOf(int control) const {
  for (const ValueRow* r = value_table_; r->control != kEnd; ++r) {
    if (static_cast<int>(r->control) == control) return r;
  }
  return nullptr;
}

const tcControlGroup::KnobRow* tcControlGroup::knobRowOf(int control) const {
  for (const KnobRow* r = knob_table_; r->knob != kEnd; ++r) {
    if (static_cast<int>(r->knob) == control ||
        (r->display != 0 && static_cast<int>(r->display) == control)) {
      return r;
    }
  }
  return nullptr;
}

// --- Typed accessors -----------------------------------------------------------

void tcControlGroup::setDisplayText(int id, const tcString& text) {
  if (tcGuiObject* o = findObjectOfKind(id, tcGuiObject::kDisplay)) o->set_text(text);
}

void tcControlGroup::setDisplayColour(int id, int alert) {
  if (tcGuiObject* o = findObjectOfKind(id, tcGuiObject::kDisplay)) {
    static_cast<tcGuiDisplay*>(o)->set_alert(alert);
  }
}

void tcControlGroup::setDisplayTextQuiet(int id, const tcString& text) {
  tcGuiObject* o = findObjectOfKind(id, tcGuiObject::kDisplay);
  if (!o) return;
  bench_->hold_repaints(true);
  o->set_text(text);
  bench_->hold_repaints(false);
}

void tcControlGroup::setDisplayEditable(int id, bool on, const char* unit) {
  tcGuiObject* o = findObjectOfKind(id, tcGuiObject::kDisplay);
  if (!o) return;
  auto* display = static_cast<tcGuiDisplay*>(o);
  display->set_editable(on);
  if (unit) display->set_units(unit);
}

void tcControlGroup::setDisplayClickable(int id, bool on) {
  if (tcGuiObject* o = findObjectOfKind(id, tcGuiObject::kDisplay)) {
    static_cast<tcGuiDisplay*>(o)->set_dclickable(on);
  }
}

void tcControlGroup::setListItems(int id, const std::vector<tcString>& items) {
  if (tcGuiObject* o = findObjectOfKind(id, tcGuiObject::kCombo)) {
    static_cast<tcGuiCombo*>(o)->set_entries(items);
  }
}

void tcControlGroup::setListIndex(int id, int index) {
  if (tcGuiObject* o = findObjectOfKind(id, tcGuiObject::kCombo)) {
    static_cast<tcGuiCombo*>(o)->set_index(index);
  }
}

void tcControlGroup::setKnobRange(int id, int minimum, int maximum) {
  tcGuiObject* o = findObject(id);
  if (!o) return;
  if (o->kind() == tcGuiObject::kKnob) static_cast<tcGuiKnob*>(o)->set_range(minimum, maximum);
  if (o->kind() == tcGuiObject::kSlider) {
    static_cast<tcGuiSlider*>(o)->set_range(minimum, maximum);
  }
}

void tcControlGroup::setKnobPosition(int id, int value) {
  tcGuiObject* o = findObject(id);
  if (!o) return;
  if (o->kind() == tcGuiObject::kKnob) static_cast<tcGuiKnob*>(o)->set_value(value);
  if (o->kind() == tcGuiObject::kSlider) static_cast<tcGuiSlider*>(o)->set_value(value);
}

void tcControlGroup::setText(int id, const tcString& text) {
  if (tcGuiObject* o = findObject(id)) o->set_text(text);
}

void tcControlGroup::setState(int id, int state) {
  if (tcGuiObject* o = findObject(id)) o->set_state(state);
}

void tcControlGroup::setTextColour(int id, uint32_t colour) {
  if (tcGuiObject* o = findObject(id)) o->set_text_colour(colour);
}

void tcControlGroup::showObject(int id, bool on) {
  if (tcGuiObject* o = findObject(id)) o->show(on);
}

void tcControlGroup::setupRange(int control, uint32_t id, int display, const char* unit) {
  const auto param = static_cast<uint16_t>(id);
  setKnobRange(control, to_int(paramMin(param)), to_int(paramMax(param)));
  setKnobPosition(control, to_int(paramValue(param)));
  if (display != 0 && unit) setDisplayEditable(display, true, unit);
}

// --- Stores --------------------------------------------------------------------

SETTINGS* tcControlGroup::liveSet() const {
  const tcLiveSettings* banks = bench_->stores().banks;
  return banks ? banks->current() : nullptr;
}

GLOBALS* tcControlGroup::globals() const {
  return bench_->stores().globals;
}

tcOptions* tcControlGroup::options() const {
  return bench_->stores().options;
}

bool tcControlGroup::guru() const {
  const tcOptions* o = options();
  return o && o->guru();
}

bool tcControlGroup::isLiveParameter(uint32_t id) {
  return id <= 0xFFFF && tcParamTable::presets().type_of(static_cast<uint16_t>(id)) >= 0;
}

namespace {
// The store of an id: the current live set for preset parameters, else the globals.
const tcParamStore* store_of(const tcControlGroup& g, uint16_t id) {
  if (tcControlGroup::isLiveParameter(id)) return g.liveSet();
  return g.globals();
}
}  // namespace

uint32_t tcControlGroup::paramValue(uint16_t id) const {
  const tcParamStore* s = store_of(*this, id);
  return s ? s->raw(id) : 0;
}

uint32_t tcControlGroup::paramMin(uint16_t id) const {
  const tcParamStore* s = store_of(*this, id);
  const MAP_TYPE* m = s ? s->map(id) : nullptr;
  return m ? m->raw_min() : 0;
}

uint32_t tcControlGroup::paramMax(uint16_t id) const {
  const tcParamStore* s = store_of(*this, id);
  const MAP_TYPE* m = s ? s->map(id) : nullptr;
  return m ? m->raw_max() : 0;
}

tcString tcControlGroup::paramText(uint16_t id) const {
  const tcParamStore* s = store_of(*this, id);
  return s ? s->format(id) : tcString();
}

void tcControlGroup::writeParam(uint16_t id, uint32_t raw, int source) {
  tcParamStore* s = isLiveParameter(id) ? static_cast<tcParamStore*>(liveSet()) : globals();
  if (s) s->set_raw(id, raw, source);
}

uint32_t tcControlGroup::globalValue(uint16_t id) const {
  const GLOBALS* g = globals();
  return g ? g->raw(id) : 0;
}

tcString tcControlGroup::globalText(uint16_t id) const {
  const GLOBALS* g = globals();
  return g ? g->format(id) : tcString();
}

void tcControlGroup::writeGlobal(uint16_t id, uint32_t value, int source) {
  if (GLOBALS* g = globals()) g->set_raw(id, value, source);
}

bool tcControlGroup::rawFromText(uint16_t id, const tcString& text, uint32_t* raw) const {
  const char* begin = text.c_str();
  char* end = nullptr;
  const double v = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(v)) return false;
  const tcParamStore* s = store_of(*this, id);
  if (!s) return false;
  if (s->type(id) == MAP_TYPE::kFloat) {
    *raw = s->eng_to_raw(id, static_cast<float>(v));
  } else {
    *raw = to_raw(std::llround(std::fmax(std::fmin(v, 1e12), -1e12)));
  }
  return true;
}

// --- Refresh -------------------------------------------------------------------

void tcControlGroup::writeKnobRow(const KnobRow& row, uint32_t raw) {
  writeParam(static_cast<uint16_t>(row.param), raw);
  showKnobRow(row);
}

void tcControlGroup::showKnobRow(const KnobRow& row) {
  const auto id = static_cast<uint16_t>(row.param);
  setKnobPosition(static_cast<int>(row.knob), to_int(paramValue(id)));
  if (row.display != 0) setDisplayText(static_cast<int>(row.display), paramText(id));
}

void tcControlGroup::showValueRow(const ValueRow& row) {
  tcGuiObject* o = findObject(static_cast<int>(row.control));
  if (!o) return;
  if (row.mode != 0) {
    // A formatted list control shows its text like a display.
    if (o->kind() == tcGuiObject::kDisplay || o->kind() == tcGuiObject::kCombo) {
      o->set_text(paramText(row.param));
    }
  } else if (o->kind() == tcGuiObject::kCombo) {
    static_cast<tcGuiCombo*>(o)->set_index(
        to_int(paramValue(row.param) - std::min(paramValue(row.param), paramMin(row.param))));
  }
}

void tcControlGroup::showSwitchRow(const SwitchRow& row) {
  uint32_t value = 0;
  if (row.param != 0) {
    value = paramValue(row.param);
  } else if (row.global != 0) {
    value = globalValue(row.global);
  } else {
    return;
  }
  if (tcGuiObject* o = findObjectOfKind(static_cast<int>(row.control), tcGuiObject::kCheckBox)) {
    o->set_state(static_cast<int>(value & 0xFF));
  }
}

void tcControlGroup::refreshSwitches() {
  for (const SwitchRow* r = switch_table_; r->control != kEnd; ++r) showSwitchRow(*r);
}

void tcControlGroup::refreshValues() {
  for (const ValueRow* r = value_table_; r->control != kEnd; ++r) showValueRow(*r);
}

void tcControlGroup::refreshKnobs() {
  for (const KnobRow* r = knob_table_; r->knob != kEnd; ++r) showKnobRow(*r);
}

void tcControlGroup::showRowsOf(uint16_t id) {
  for (const ValueRow* r = value_table_; r->control != kEnd; ++r) {
    if (r->param == id) {
      showValueRow(*r);
      break;
    }
  }
  for (const KnobRow* r = knob_table_; r->knob != kEnd; ++r) {
    if (static_cast<uint16_t>(r->param) == id) {
      showKnobRow(*r);
      break;
    }
  }
}

void tcControlGroup::onParameterChanged(uint16_t id, int set_index) {
  const tcLiveSettings* banks = bench_->stores().banks;
  if (!banks || set_index != banks->current_slot()) return;
  for (const SwitchRow* r = switch_table_; r->control != kEnd; ++r) {
    if (r->param == id) {
      showSwitchRow(*r);
      break;
    }
  }
  showRowsOf(id);
}

void tcControlGroup::onGlobalChanged(uint16_t id) {
  for (const SwitchRow* r = switch_table_; r->control != kEnd; ++r) {
    if (r->param == 0 && r->global == id) {
      showSwitchRow(*r);
      break;
    }
  }
  // Value and knob rows may name a global in place of a parameter.
  if (!isLiveParameter(id)) showRowsOf(id);
}

void tcControlGroup::show(bool on) {
  if (on) visible_ = true;
  for (const Bound& b : objects_) b.object->show(on);
  if (!on) visible_ = false;
  afterShow();
}

// --- Gestures ------------------------------------------------------------------

void tcControlGroup::setKnob(int id, int raw) {
  if (const KnobRow* row = knobRowOf(id)) {
    writeKnobRow(*row, to_raw(raw));
    return;
  }
  setKnobPosition(id, raw);
}

void tcControlGroup::setSwitch(int id, int state) {
  if (tcGuiObject* o = findObjectOfKind(id, tcGuiObject::kCheckBox)) o->set_state(state);
  const SwitchRow* row = switchRowOf(id);
  if (!row) return;
  if (row->param != 0) {
    writeParam(row->param, static_cast<uint32_t>(state));
  } else if (row->global != 0) {
    writeGlobal(row->global, static_cast<uint32_t>(state));
  }
}

void tcControlGroup::stepValueRow(const ValueRow& row, int n) {
  long long value = 0;
  if (row.mode == 0) {
    value = static_cast<long long>(paramMin(row.param)) + n;
  } else {
    value = static_cast<long long>(paramValue(row.param)) + n;
  }
  writeParam(row.param, to_raw(value));
  showValueRow(row);
}

bool tcControlGroup::typeValueRow(const ValueRow& row, const tcString& text) {
  uint32_t raw = 0;
  if (!rawFromText(row.param, text, &raw)) return false;
  writeParam(row.param, raw);
  showValueRow(row);
  return true;
}

bool tcControlGroup::typeKnobRow(const KnobRow& row, const tcString& text) {
  uint32_t raw = 0;
  if (!rawFromText(static_cast<uint16_t>(row.param), text, &raw)) return false;
  writeKnobRow(row, raw);
  return true;
}

void tcControlGroup::selectRadio(int group, uint16_t id, int item, int items) {
  if (item >= 0 && item < items && static_cast<uint32_t>(item) != paramValue(id)) {
    writeParam(id, static_cast<uint32_t>(item));
  }
  setState(group, to_int(paramValue(id)));
}

void tcControlGroup::onListStep(int id, int n) {
  if (const ValueRow* row = valueRowOf(id)) stepValueRow(*row, n);
}

void tcControlGroup::onListText(int id, const tcString& text) {
  if (const ValueRow* row = valueRowOf(id)) typeValueRow(*row, text);
}

void tcControlGroup::onDisplayText(int id, const tcString& text) {
  if (const KnobRow* row = knobRowOf(id)) typeKnobRow(*row, text);
}

int tcControlGroup::knobForDisplay(int display_id) {
  for (const KnobRow* r = knob_table_; r->knob != kEnd; ++r) {
    if (r->display != 0 && static_cast<int>(r->display) == display_id) {
      return static_cast<int>(r->knob);
    }
  }
  return -1;
}
