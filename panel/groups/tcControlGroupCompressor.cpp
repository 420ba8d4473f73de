#include "panel/groups/tcControlGroupCompressor.h"

#include <QString>
#include <algorithm>
#include <vector>

#include "app/core/tcOptions.h"
#include "link/protocol/tcMeterRecord.h"
#include "panel/framework/tcAPBench.h"
#include "panel/groups/tcSharedGraph.h"
#include "params/SETTINGS.h"
#include "params/tcLiveSettings.h"
#include "skin/draggers/tcCompDragger.h"

namespace {

using G = tcControlGroupCompressor;

const tcControlGroup::KnobRow kPairs[] = {
    {G::kDriveKnob, G::kDriveDisplay, 0x1407, "dB"},
    {G::kMakeupKnob, G::kMakeupDisplay, 0x1408, "dB"},
    {G::kFreezeDelayKnob, G::kFreezeDelayDisplay, 0x1434, "mS"},
    {G::kBackoffKnob, G::kBackoffDisplay, 0x1402, "dB"},
    {G::kSstRampKnob, G::kSstRampDisplay, 0x1441, "mS"},
    {G::kSstWindowKnob, G::kSstWindowDisplay, 0x1444, "dB"},
};

// Section switches; the Main group's flow buttons follow them.
const tcControlGroup::SwitchRow kSections[] = {
    {G::kAgcEnable, G::kAgcParam, 0},
    {G::kCompEnable, G::kCompParam, 0},
};

// Lists showing their parameter's text, stepped from the current value.
const tcControlGroup::ValueRow kLists[] = {
    {G::kDiffMakeup, 0x140A, 1, "dB"},  {G::kHighCoupling, 0x143C, 1, "dB"},
    {G::kLowCoupling, 0x1436, 1, "dB"}, {G::kFreezeThreshold, 0x1433, 1, "dB"},
    {G::kCrossover1, 0x1403, 1, "Hz"},  {G::kCrossover2, 0x1404, 1, "Hz"},
    {G::kCrossover3, 0x1405, 1, "Hz"},  {G::kCrossover4, 0x1406, 1, "Hz"},
    {G::kSstDrive, 0x1442, 1, "dB"},    {G::kSstFreezeThreshold, 0x1443, 1, "dB"},
};

// The SST pair: each button stands for one value of the parameter.
struct SstRow {
  int button;
  uint32_t value;
};
const SstRow kSst[] = {{G::kSstEnableA, 1}, {G::kSstEnableB, 2}};
constexpr uint32_t kSstOff = 0;
constexpr int kFreezeModes = 2;

// How the graph scales each quantity. Times and ratios sit on a logarithmic
// axis with the largest value at the top (the axis runs from its maximum
// down), levels on a linear one.
struct QuantityScale {
  bool log;
  std::vector<tcGuiGraph::Mark> marks;
};
const QuantityScale& scale_of_quantity(int q) {
  static const std::vector<tcGuiGraph::Mark> kLevels = {{5.0f, "+5"}, {3.0f, "+3"}, {1.0f, "+1"}};
  static const QuantityScale kScales[G::kQuantities] = {
      {true, {{300.0f, "300"}, {140.0f, "140"}, {70.0f, "70"}}},
      {true, {{5000.0f, "5000"}, {2000.0f, "2000"}, {1000.0f, "1000"}}},
      {false, kLevels},
      {false, {{-55.0f, "-55"}, {-60.0f, "-60"}, {-65.0f, "-65"}}},
      {true, {{70.0f, "70"}, {30.0f, "30"}, {14.0f, "14"}, {7.0f, "7"}, {3.0f, "3"}}},
      {true, {{700.0f, "700"}, {300.0f, "300"}, {140.0f, "140"}, {70.0f, "70"}}},
      {true, {{14.0f, " 14:1"}, {6.0f, "6.0:1"}, {3.0f, "3.0:1"}, {1.4f, "1.4:1"}}},
      {false, kLevels},
      {false, kLevels},
  };
  return kScales[q];
}

tcSharedGraph::Scale graph_scale(int q) {
  const tcParamRow* row = tcParamTable::presets().find(G::kQuantityTable[q].first);
  const float low = row ? row->float_min : 0.0f;
  const float high = row ? row->float_max : 1.0f;
  const QuantityScale& s = scale_of_quantity(q);
  const tcSharedGraph::AxisScale y =
      s.log ? tcSharedGraph::AxisScale{tcGuiGraph::kLog, high, low}
            : tcSharedGraph::AxisScale{tcGuiGraph::kLinearFromMax, low, high};
  return tcSharedGraph::Scale{
      {tcGuiGraph::kLog, 20.0f, 20000.0f}, y, s.marks, G::kTitle, G::kQuantityTable[q].name};
}

// A meter value byte as gain reduction in dB; no value shows none.
float reduction_db(uint8_t value) {
  return value == tcMeterRecord::kNoValue ? 0.0f : tcMeterRecord::kStepDb * value;
}

}  // namespace

const tcControlGroupCompressor::Quantity tcControlGroupCompressor::kQuantityTable[kQuantities] = {
    {"AGC Attack", 0x1429}, {"AGC Release", 0x142E}, {"AGC Freeze Offset", 0x1437},
    {"Thresh", 0x140B},     {"Comp Attack", 0x1415}, {"Comp Release", 0x141A},
    {"Comp Ratio", 0x1410}, {"Out Trim", 0x141F},    {"Diff Trim", 0x1424},
};

const tcControlGroup::NameRow tcControlGroupCompressor::kNames[] = {
    {kFreeDraw, "COMP_FREE_DRAW"},
    {kAgcEnable, "COMP_AGC_ENABLE"},
    {kCompEnable, "COMP_COMP_ENABLE"},
    {kDriveKnob, "COMP_DRV_KNOB"},
    {kDriveDisplay, "COMP_DRV_DSPY"},
    {kMakeupKnob, "COMP_MSTR_KNOB"},
    {kMakeupDisplay, "COMP_MSTR_DSPY"},
    {kDiffMakeup, "COMP_DMSTR"},
    {kHighCoupling, "AGC_HI_COUPLING"},
    {kLowCoupling, "AGC_LO_COUPLING"},
    {kFreezeThreshold, "AGC_FRZ_THR"},
    {kFreezeDelayKnob, "AGC_FRZDLY_KNOB"},
    {kFreezeDelayDisplay, "AGC_FRZDLY_DSPY"},
    {kFreezeMode, "AGC_FRZMOD"},
    {kFreezeModeOoze, "AGC_FRZMOD_OOZE"},
    {kFreezeModeGate, "AGC_FRZMOD_GATE"},
    {kBackoffKnob, "AGC_BKOFF_KNOB"},
    {kBackoffDisplay, "AGC_BKOFF_DSPY"},
    {kCrossover1, "COMP_5XFR1"},
    {kCrossover2, "COMP_5XFR2"},
    {kCrossover3, "COMP_5XFR3"},
    {kCrossover4, "COMP_5XFR4"},
    {kType, "COMP_TYPE"},
    {kTypeAgcAttack, "COMP_TYPE_A_ATT"},
    {kTypeAgcRelease, "COMP_TYPE_A_REL"},
    {kTypeAgcFreeze, "COMP_TYPE_A_FRZ"},
    {kTypeThreshold, "COMP_TYPE_C_THR"},
    {kTypeCompAttack, "COMP_TYPE_C_ATT"},
    {kTypeCompRelease, "COMP_TYPE_C_REL"},
    {kTypeRatio, "COMP_TYPE_C_RAT"},
    {kTypeOutTrim, "COMP_TYPE_C_OUT"},
    {kTypeDiffTrim, "COMP_TYPE_C_DOUT"},
    {kSstEnableA, "SST_ENABLE_A"},
    {kSstEnableB, "SST_ENABLE_B"},
    {kSstRampKnob, "SST_RAMP_KNOB"},
    {kSstRampDisplay, "SST_RAMP_DSPY"},
    {kSstDrive, "SST_DRIVE"},
    {kSstFreezeThreshold, "SST_FRZ_THR"},
    {kSstWindowKnob, "SST_WINDOW_KNOB"},
    {kSstWindowDisplay, "SST_WINDOW_DSPY"},
    {0, nullptr},
};

tcControlGroupCompressor::tcControlGroupCompressor(tcAPBench* bench)
    : tcControlGroup(bench, kNames), graph_(std::make_unique<tcSharedGraph>(bench)) {
  if (tcGuiApGraph* g = graph_->graph()) {
    dragger_ = std::make_unique<tcCompDragger>(g, bench->stores().banks);
    tcDraggerBandOps ops;
    ops.to_raw = [this](int band, float value) {
      const SETTINGS* live = liveSet();
      return live ? live->eng_to_raw(bandParam(band), value) : 0u;
    };
    ops.to_value = [this](int band, uint32_t raw) {
      const SETTINGS* live = liveSet();
      return live ? live->raw_to_eng(bandParam(band), raw) : 0.0f;
    };
    ops.write = [this](int band, uint32_t raw) { writeParam(bandParam(band), raw); };
    dragger_->set_band_ops(std::move(ops));
  }
  refreshAll();
}

tcControlGroupCompressor::~tcControlGroupCompressor() {
  // The graph is given back while the dragger still lives.
  graph_.reset();
}

uint16_t tcControlGroupCompressor::bandParam(int band) const {
  return static_cast<uint16_t>(kQuantityTable[quantity_].first + band);
}

const tcControlGroup::KnobRow* tcControlGroupCompressor::pairOf(int id) {
  for (const KnobRow& r : kPairs) {
    if (static_cast<int>(r.knob) == id || static_cast<int>(r.display) == id) return &r;
  }
  return nullptr;
}

const tcControlGroup::ValueRow* tcControlGroupCompressor::listOf(int id) {
  for (const ValueRow& r : kLists) {
    if (static_cast<int>(r.control) == id) return &r;
  }
  return nullptr;
}

void tcControlGroupCompressor::refreshAll() {
  for (const KnobRow& r : kPairs) {
    setupRange(static_cast<int>(r.knob), r.param, static_cast<int>(r.display), r.unit);
    showKnobRow(r);
  }
  for (const SwitchRow& r : kSections) showSwitchRow(r);
  showSst();
  showLists();
  setState(kFreezeMode, static_cast<int>(paramValue(kFreezeModeParam)));
  setState(kType, quantity_);
  showTraces();
  showQuantityValues();
}

void tcControlGroupCompressor::showLists() {
  for (const ValueRow& r : kLists) showValueRow(r);
  if (!dragger_) return;
  float hz[kCrossovers];
  const SETTINGS* live = liveSet();
  for (int i = 0; i < kCrossovers; ++i) {
    hz[i] = live ? live->eng(static_cast<uint16_t>(kFirstCrossover + i)) : 0.0f;
  }
  dragger_->set_crossovers(hz);
  redrawGraph();
}

void tcControlGroupCompressor::showSst() {
  const uint32_t value = paramValue(kSstParam);
  for (const SstRow& r : kSst) setState(r.button, value == r.value ? 1 : 0);
}

void tcControlGroupCompressor::showTraces() {
  const tcOptions* o = options();
  if (!dragger_ || !o) return;
  dragger_->set_trace_shown(0, o->show_agc() > 0);
  dragger_->set_trace_shown(1, o->show_cmp() > 0);
  dragger_->set_trace_shown(2, o->show_cgc() > 0);
}

void tcControlGroupCompressor::showQuantityValues() {
  const SETTINGS* live = liveSet();
  if (!dragger_ || !live) return;
  float values[kBands];
  for (int b = 0; b < kBands; ++b) values[b] = live->eng(bandParam(b));
  dragger_->set_values(values, kBands);
  dragger_->set_reference(live->float_default(bandParam(0)));
  redrawGraph();
}

void tcControlGroupCompressor::showGraph() {
  if (!dragger_) return;
  if (!visible()) {
    graph_->give_back();
    return;
  }
  graph_->borrow(dragger_.get(), graph_scale(quantity_));
  // Heights again on the quantity's axis.
  showQuantityValues();
}

void tcControlGroupCompressor::redrawGraph() {
  tcGuiApGraph* g = graph_->graph();
  if (g && graph_->borrowed() && g->visible()) bench()->invalidate(g->area());
}

void tcControlGroupCompressor::afterShow() {
  showGraph();
}

void tcControlGroupCompressor::onParameterChanged(uint16_t id, int set_index) {
  const tcLiveSettings* banks = bench()->stores().banks;
  if (!banks || set_index != banks->current_slot()) return;
  for (const KnobRow& r : kPairs) {
    if (r.param == id) showKnobRow(r);
  }
  for (const SwitchRow& r : kSections) {
    if (r.param == id) showSwitchRow(r);
  }
  for (const ValueRow& r : kLists) {
    if (r.param == id) showLists();
  }
  if (id == kSstParam) showSst();
  if (id == kFreezeModeParam) setState(kFreezeMode, static_cast<int>(paramValue(id)));
  if (id >= bandParam(0) && id < bandParam(kBands)) showQuantityValues();
}

void tcControlGroupCompressor::setKnob(int id, int raw) {
  if (const KnobRow* r = pairOf(id)) {
    writeKnobRow(*r, static_cast<uint32_t>(std::max(raw, 0)));
    return;
  }
  setKnobPosition(id, raw);
}

void tcControlGroupCompressor::onDisplayText(int id, const tcString& text) {
  if (const KnobRow* r = pairOf(id)) typeKnobRow(*r, text);
}

int tcControlGroupCompressor::knobForDisplay(int display_id) {
  const KnobRow* r = pairOf(display_id);
  return r && static_cast<int>(r->display) == display_id ? static_cast<int>(r->knob) : -1;
}

void tcControlGroupCompressor::setSwitch(int id, int state) {
  for (const SwitchRow& r : kSections) {
    if (static_cast<int>(r.control) != id) continue;
    setState(id, state);
    writeParam(r.param, state != 0 ? 1 : 0);
    showSwitchRow(r);
    bench()->refresh_flow();
    redrawGraph();
    return;
  }
  for (const SstRow& r : kSst) {
    if (r.button != id) continue;
    if (state != 0) {
      writeParam(kSstParam, r.value);
    } else if (paramValue(kSstParam) == r.value) {
      writeParam(kSstParam, kSstOff);
    }
    showSst();
    redrawGraph();
    return;
  }
  tcControlGroup::setSwitch(id, state);
}

void tcControlGroupCompressor::onListStep(int id, int n) {
  if (const ValueRow* r = listOf(id)) {
    stepValueRow(*r, n);
    showLists();
  }
}

void tcControlGroupCompressor::onListText(int id, const tcString& text) {
  const ValueRow* r = listOf(id);
  if (r && typeValueRow(*r, text)) showLists();
}

void tcControlGroupCompressor::onRadioSelected(int id, int item) {
  if (id == kType) {
    if (item >= 0 && item < kQuantities && item != quantity_) {
      quantity_ = item;
      if (visible()) {
        showGraph();
      } else {
        showQuantityValues();
      }
    }
    setState(kType, quantity_);
  } else if (id == kFreezeMode) {
    selectRadio(kFreezeMode, kFreezeModeParam, item, kFreezeModes);
  }
}

void tcControlGroupCompressor::onGraphReadings(const tcGraphReadings& readings) {
  if (!dragger_) return;
  const int bands = std::min(readings.bands, kBands);
  for (int t = 0; t < std::min(readings.rows, tcCompDragger::kTraces); ++t) {
    float db[kBands];
    for (int b = 0; b < bands; ++b) db[b] = reduction_db(readings.row[t][b]);
    dragger_->set_trace(t, db, bands);
  }
  // The extra reading is the SST's own reduction, shown with the title while it works.
  QString title = kTitle;
  if (paramValue(kSstParam) != kSstOff && readings.extra != tcMeterRecord::kNoValue) {
    title += QString::asprintf("   SST %.1f", static_cast<double>(reduction_db(readings.extra)));
  }
  graph_->set_title(title);
}
