#include "panel/groups/tcControlGroupParametric.h"

#include <utility>

#include "app/core/tcOptions.h"
#include "panel/framework/tcAPBench.h"
#include "panel/groups/tcSharedGraph.h"
#include "params/SETTINGS.h"
#include "params/tcLiveSettings.h"
#include "skin/draggers/tcPEQDragger.h"

namespace {

using G = tcControlGroupParametric;

const tcControlGroup::SwitchRow kSwitches[] = {
    {G::kPeqEnable, 0x1301, 0},
    {G::kDeqEnable, 0x132C, 0},
    {tcControlGroup::kEnd, 0, 0},
};

// Per band: frequency, width ("Q") and level, knob and display.
const tcControlGroup::KnobRow kKnobs[] = {
    {6002, 6014, 0x1306, "Hz"},
    {6003, 6015, 0x130A, ""},
    {6004, 6016, 0x130E, "dB"},
    {6005, 6017, 0x1307, "Hz"},
    {6006, 6018, 0x130B, ""},
    {6007, 6019, 0x130F, "dB"},
    {6008, 6020, 0x1308, "Hz"},
    {6009, 6021, 0x130C, ""},
    {6010, 6022, 0x1310, "dB"},
    {6011, 6023, 0x1309, "Hz"},
    {6012, 6024, 0x130D, ""},
    {6013, 6025, 0x1311, "dB"},
    {6033, 6045, 0x1320, "Hz"},
    {6034, 6046, 0x1324, ""},
    {6035, 6047, 0x1328, "dB"},
    {6036, 6048, 0x1321, "Hz"},
    {6037, 6049, 0x1325, ""},
    {6038, 6050, 0x1329, "dB"},
    {6039, 6051, 0x1322, "Hz"},
    {6040, 6052, 0x1326, ""},
    {6041, 6053, 0x132A, "dB"},
    {6042, 6054, 0x1323, "Hz"},
    {6043, 6055, 0x1327, ""},
    {6044, 6056, 0x132B, "dB"},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

constexpr int kPositions = 2;  // pre and post

const char* const kColourNames[G::kEqs][tcPEQDragger::kBands + 1] = {
    {"PEQ1color", "PEQ2color", "PEQ3color", "PEQ4color", "PEQSUMcolor"},
    {"DEQ1color", "DEQ2color", "DEQ3color", "DEQ4color", "DEQSUMcolor"},
};
const char* const kTitles[G::kEqs] = {"Parametric EQ Response",
                                      "Difference Parametric EQ Response"};
constexpr const char* kAxisName = "Filter Boost / Cut dB";
// The levels reach +-14 dB.
constexpr float kLevelSpan = 15.0f;

tcSharedGraph::Scale scale_of(int eq) {
  return tcSharedGraph::Scale{
      {tcGuiGraph::kLog, 20.0f, 20000.0f},
      {tcGuiGraph::kLinearFromMax, -kLevelSpan, kLevelSpan},
      {{-12.0f, "-12"}, {-6.0f, "-6"}, {0.0f, "0"}, {6.0f, "+6"}, {12.0f, "+12"}},
      kTitles[eq],
      kAxisName};
}

bool is_difference_control(int id) {
  return id == G::kDeqEnable || id == G::kDeqView || id == G::kDeqSynch ||
         (id >= G::kDeqFirstKnob && id <= G::kDeqLastDisplay);
}

}  // namespace

const tcControlGroupParametric::EqIds tcControlGroupParametric::kEqIds[kEqs] = {
    {0x1306, 0x130A, 0x130E},
    {0x1320, 0x1324, 0x1328},
};

const tcControlGroup::NameRow tcControlGroupParametric::kNames[] = {
    {kFreeDraw, "PEQ_FREE_DRAW"},
    {6002, "PEQ1_F_KNOB"},
    {6003, "PEQ1_Q_KNOB"},
    {6004, "PEQ1_L_KNOB"},
    {6005, "PEQ2_F_KNOB"},
    {6006, "PEQ2_Q_KNOB"},
    {6007, "PEQ2_L_KNOB"},
    {6008, "PEQ3_F_KNOB"},
    {6009, "PEQ3_Q_KNOB"},
    {6010, "PEQ3_L_KNOB"},
    {6011, "PEQ4_F_KNOB"},
    {6012, "PEQ4_Q_KNOB"},
    {6013, "PEQ4_L_KNOB"},
    {6014, "PEQ1_F_DSPY"},
    {6015, "PEQ1_Q_DSPY"},
    {6016, "PEQ1_L_DSPY"},
    {6017, "PEQ2_F_DSPY"},
    {6018, "PEQ2_Q_DSPY"},
    {6019, "PEQ2_L_DSPY"},
    {6020, "PEQ3_F_DSPY"},
    {6021, "PEQ3_Q_DSPY"},
    {6022, "PEQ3_L_DSPY"},
    {6023, "PEQ4_F_DSPY"},
    {6024, "PEQ4_Q_DSPY"},
    {6025, "PEQ4_L_DSPY"},
    {kPeqEnable, "PEQ_ENABLE"},
    {kPeqPosition, "PEQ_POS"},
    {kPeqPositionPre, "PEQ_POS_PRE"},
    {kPeqPositionPost, "PEQ_POS_PST"},
    {kDeqEnable, "DEQ_ENABLE"},
    {kDeqView, "DEQ_VIEW"},
    {kDeqSynch, "DEQ_SYNCH"},
    {6033, "DEQ1_F_KNOB"},
    {6034, "DEQ1_Q_KNOB"},
    {6035, "DEQ1_L_KNOB"},
    {6036, "DEQ2_F_KNOB"},
    {6037, "DEQ2_Q_KNOB"},
    {6038, "DEQ2_L_KNOB"},
    {6039, "DEQ3_F_KNOB"},
    {6040, "DEQ3_Q_KNOB"},
    {6041, "DEQ3_L_KNOB"},
    {6042, "DEQ4_F_KNOB"},
    {6043, "DEQ4_Q_KNOB"},
    {6044, "DEQ4_L_KNOB"},
    {6045, "DEQ1_F_DSPY"},
    {6046, "DEQ1_Q_DSPY"},
    {6047, "DEQ1_L_DSPY"},
    {6048, "DEQ2_F_DSPY"},
    {6049, "DEQ2_Q_DSPY"},
    {6050, "DEQ2_L_DSPY"},
    {6051, "DEQ3_F_DSPY"},
    {6052, "DEQ3_Q_DSPY"},
    {6053, "DEQ3_L_DSPY"},
    {6054, "DEQ4_F_DSPY"},
    {6055, "DEQ4_Q_DSPY"},
    {6056, "DEQ4_L_DSPY"},
    {0, nullptr},
};

tcControlGroupParametric::tcControlGroupParametric(tcAPBench* bench)
    : tcControlGroup(bench, kNames), graph_(std::make_unique<tcSharedGraph>(bench)) {
  setTables(kSwitches, nullptr, kKnobs);
  if (tcGuiApGraph* g = graph_->graph()) {
    for (int eq = 0; eq < kEqs; ++eq) {
      const EqIds& ids = kEqIds[eq];
      auto d = std::make_unique<tcPEQDragger>(g, bench->stores().banks, ids.frequency, ids.width,
                                              ids.level);
      d->set_colour_names(kColourNames[eq]);
      for (int b = 0; b < kBands; ++b) {
        for (int q = 0; q < tcPEQDragger::kQuantities; ++q) {
          const uint16_t id = d->band_id(b, q);
          d->set_write_handler(b, q, [this, id](uint32_t raw) { writeBand(id, raw); });
        }
      }
      draggers_[eq] = std::move(d);
    }
  }
  refreshAll();
}

tcControlGroupParametric::~tcControlGroupParametric() {
  // The graph is given back while the draggers still live.
  graph_.reset();
}

tcPEQDragger* tcControlGroupParametric::dragger(int eq) const {
  return eq >= 0 && eq < kEqs ? draggers_[eq].get() : nullptr;
}

int tcControlGroupParametric::shownEq() const {
  const tcOptions* o = options();
  return guru() && o && o->deq_view() ? kDifference : kMain;
}

bool tcControlGroupParametric::bandOf(uint16_t id, int* eq, int* band) {
  for (int e = 0; e < kEqs; ++e) {
    for (const uint16_t first : {kEqIds[e].frequency, kEqIds[e].width, kEqIds[e].level}) {
      if (id >= first && id < first + kBands) {
        *eq = e;
        *band = id - first;
        return true;
      }
    }
  }
  return false;
}

void tcControlGroupParametric::showBand(int eq, int band) {
  const SETTINGS* live = liveSet();
  tcPEQDragger* d = dragger(eq);
  if (!live || !d) return;
  const EqIds& ids = kEqIds[eq];
  d->set_band(band, live->eng(static_cast<uint16_t>(ids.frequency + band)),
              live->eng(static_cast<uint16_t>(ids.width + band)),
              live->eng(static_cast<uint16_t>(ids.level + band)));
}

void tcControlGroupParametric::showBandOf(uint16_t id) {
  int eq = 0;
  int band = 0;
  if (bandOf(id, &eq, &band)) showBand(eq, band);
}

void tcControlGroupParametric::writeBand(uint16_t id, uint32_t raw) {
  for (const KnobRow* r = knobTable(); r->knob != kEnd; ++r) {
    if (static_cast<uint16_t>(r->param) == id) {
      writeKnobRow(*r, raw);
      break;
    }
  }
  edited(id);
}

void tcControlGroupParametric::edited(uint16_t id) {
  showBandOf(id);
  int eq = 0;
  int band = 0;
  // Frequencies and widths come before the levels.
  if (synch_ && bandOf(id, &eq, &band) && eq == kMain && id < kEqIds[kMain].level) {
    synchBand(band);
  }
}

void tcControlGroupParametric::refreshAll() {
  for (const KnobRow* r = knobTable(); r->knob != kEnd; ++r) {
    setupRange(static_cast<int>(r->knob), r->param, static_cast<int>(r->display), r->unit);
  }
  refreshSwitches();
  refreshValues();
  refreshKnobs();
  setState(kPeqPosition, static_cast<int>(paramValue(kPositionParam)));
  const tcOptions* o = options();
  setState(kDeqView, o && o->deq_view() ? 1 : 0);
  setState(kDeqSynch, synch_ ? 1 : 0);
  for (int eq = 0; eq < kEqs; ++eq) {
    for (int b = 0; b < kBands; ++b) showBand(eq, b);
  }
  applyVisibility();
}

void tcControlGroupParametric::applyVisibility() {
  const bool difference = visible() && guru();
  for (const Bound& b : objects()) {
    if (is_difference_control(b.id)) b.object->show(difference);
  }
  showGraph();
}

void tcControlGroupParametric::showGraph() {
  if (!visible()) {
    graph_->give_back();
    return;
  }
  const int eq = shownEq();
  if (tcPEQDragger* d = dragger(eq)) graph_->borrow(d, scale_of(eq));
}

void tcControlGroupParametric::afterShow() {
  applyVisibility();
}

void tcControlGroupParametric::onParameterChanged(uint16_t id, int set_index) {
  tcControlGroup::onParameterChanged(id, set_index);
  const tcLiveSettings* banks = bench()->stores().banks;
  if (!banks || set_index != banks->current_slot()) return;
  if (id == kPositionParam) setState(kPeqPosition, static_cast<int>(paramValue(id)));
  showBandOf(id);
}

void tcControlGroupParametric::setKnob(int id, int raw) {
  tcControlGroup::setKnob(id, raw);
  if (const KnobRow* r = knobRowOf(id)) edited(static_cast<uint16_t>(r->param));
}

void tcControlGroupParametric::onDisplayText(int id, const tcString& text) {
  tcControlGroup::onDisplayText(id, text);
  if (const KnobRow* r = knobRowOf(id)) edited(static_cast<uint16_t>(r->param));
}

void tcControlGroupParametric::setSwitch(int id, int state) {
  tcControlGroup::setSwitch(id, state);
  if (id == kPeqEnable) {
    bench()->refresh_flow();
  } else if (id == kDeqView) {
    if (tcOptions* o = options()) o->set_deq_view(state != 0);
    showGraph();
  } else if (id == kDeqSynch) {
    synch_ = state != 0;
    if (synch_) synchDifference();
  }
}

void tcControlGroupParametric::onRadioSelected(int id, int item) {
  if (id == kPeqPosition) selectRadio(kPeqPosition, kPositionParam, item, kPositions);
}

void tcControlGroupParametric::onButton(int id) {
  if (id == kDeqSynch) synchDifference();
}

void tcControlGroupParametric::synchBand(int band) {
  const SETTINGS* live = liveSet();
  if (!live) return;
  const EqIds& from = kEqIds[kMain];
  const EqIds& to = kEqIds[kDifference];
  for (const auto& pair :
       {std::make_pair(from.frequency, to.frequency), std::make_pair(from.width, to.width)}) {
    const auto source = static_cast<uint16_t>(pair.first + band);
    const auto target = static_cast<uint16_t>(pair.second + band);
    writeBand(target, live->eng_to_raw(target, live->eng(source)));
  }
}

void tcControlGroupParametric::synchDifference() {
  for (int b = 0; b < kBands; ++b) synchBand(b);
}
