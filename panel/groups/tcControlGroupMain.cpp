#include "panel/groups/tcControlGroupMain.h"

#include "link/protocol/tcMeterRecord.h"
#include "panel/framework/tcAPBench.h"
#include "panel/groups/tcSpectrumView.h"
#include "params/SETTINGS.h"
#include "params/tcQuickSave.h"
#include "skin/objects/tcGuiApGraph.h"
#include "skin/objects/tcGuiDisplay.h"

namespace {

constexpr uint16_t kHeadphoneLevel = 0x2003;
constexpr uint16_t kAnalysisType = 0x200C;
constexpr uint16_t kAnalysisChain = 0x200D;
// Changes from the analysis selection reach the window with this source.
constexpr int kAnalysisSource = 3;
// The window's connection state while the processor accepts the console.
constexpr int kConnectionOnline = 3;

const tcControlGroup::KnobRow kKnobs[] = {
    {tcControlGroupMain::kHdpnKnob, 0, kHeadphoneLevel, ""},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

// Buttons that only tell the window.
struct SignalRow {
  int button;
  void (tcControlGroup::*signal)();
};
const SignalRow kSignals[] = {
    {tcControlGroupMain::kSysAbout, &tcControlGroup::sig_about},
    {tcControlGroupMain::kSysMinimize, &tcControlGroup::sig_minimize},
    {tcControlGroupMain::kSysExit, &tcControlGroup::sig_exit_app},
    {tcControlGroupMain::kSave, &tcControlGroup::sig_pset_save},
    {tcControlGroupMain::kTake, &tcControlGroup::sig_pset_take},
    {tcControlGroupMain::kPresets, &tcControlGroup::sig_pset_dlg},
    {tcControlGroupMain::kDevices, &tcControlGroup::sig_device_dlg},
    {tcControlGroupMain::kAnalysis, &tcControlGroup::sig_show_analysis},
};

// A flow button, its page, and when its section counts as switched on: a
// parameter that differs from its "off" value (no parameter: always off).
struct FlowRow {
  int button;
  int page;
  uint16_t param_a;
  uint32_t off_a;
  uint16_t param_b;
  uint32_t off_b;
};
const FlowRow kFlow[] = {
    {tcControlGroupMain::kFlowInput, tcAPBench::kPageInput, 0, 0, 0, 0},
    {tcControlGroupMain::kFlowPeq, tcAPBench::kPageParametric, 0x1301, 0, 0, 0},
    {tcControlGroupMain::kFlowComp, tcAPBench::kPageCompressor, 0x1400, 0, 0x1401, 0},
    {tcControlGroupMain::kFlowFmOut, tcAPBench::kPageFmOut, 0x1601, 0, 0x1613, 2},
    {tcControlGroupMain::kFlowFmPlex, tcAPBench::kPageFmPlex, 0x1619, 1, 0, 0},
    {tcControlGroupMain::kFlowHdOut, tcAPBench::kPageHdOut, 0x1802, 0, 0x1808, 0},
    {tcControlGroupMain::kFlowSystem, tcAPBench::kPageSystem, 0, 0, 0, 0},
    {tcControlGroupMain::kFlowTest, tcAPBench::kPageTest, 0, 0, 0, 0},
};
// Look bits of a flow button.
constexpr int kLookShown = 1;
constexpr int kLookOff = 2;

// Where the graph readings of a page lie in the meter record (0: row all 0xFF).
struct FeedRow {
  int page;
  int slot;
  int rows;
  int bands;
  size_t first[tcGraphReadings::kMaxRows];
  size_t extra;
};
const FeedRow kFeeds[] = {
    {tcAPBench::kPageCompressor, tcAPBench::kCompressor, 3, 5, {54, 59, 64}, 69},
    {tcAPBench::kPageFmOut, tcAPBench::kFmOut, 2, 31, {114, 83, 0}, 82},
    {tcAPBench::kPageHdOut, tcAPBench::kHdOut, 2, 31, {152, 0, 0}, 151},
};

int alert_of(int colour) {
  static const int kAlerts[] = {tcGuiDisplay::kNormal, tcGuiDisplay::kError,
                                tcGuiDisplay::kWarning};
  return colour >= 0 && colour <= 2 ? kAlerts[colour] : tcGuiDisplay::kNormal;
}

}  // namespace

const tcControlGroup::NameRow tcControlGroupMain::kNames[] = {
    {kFreeDraw, "MAIN_FREE_DRAW"},
    {kSysAbout, "SYS_ABOUT"},
    {kSysMinimize, "SYS_MINIMIZE"},
    {kSysExit, "SYS_EXIT"},
    {kStatOnline, "STAT_ONLINE"},
    {kStatDevice, "STAT_DEVICE"},
    {kStatPreset, "STAT_PRESET"},
    {kGraph, "GRAPH"},
    {kFlowInput, "FLOW_INPUT"},
    {kFlowPeq, "FLOW_PEQ"},
    {kFlowComp, "FLOW_COMP"},
    {kFlowFmOut, "FLOW_FM_OUT"},
    {kFlowFmPlex, "FLOW_FM_PLEX"},
    {kFlowHdOut, "FLOW_HD_OUT"},
    {kFlowSystem, "FLOW_SYSTEM"},
    {kFlowTest, "FLOW_TEST"},
    {kSave, "SAVE"},
    {kTake, "TAKE"},
    {kQsaveA, "QSAVEA"},
    {kQsaveB, "QSAVEB"},
    {kQsaveAB, "QSAVEAB"},
    {kPresets, "PRESETS"},
    {kDevices, "DEVICES"},
    {kAnalysis, "ANALYSIS"},
    {kOnline, "ONLINE"},
    {kHdpnKnob, "HDPN_KNOB"},
    {0, nullptr},
};

tcControlGroupMain::tcControlGroupMain(tcAPBench* bench) : tcControlGroup(bench, kNames) {
  setTables(nullptr, nullptr, kKnobs);
  setDisplayText(kStatOnline, "Offline ");
  setDisplayText(kStatDevice, "unknown ");
  for (const int id : {kStatDevice, kStatPreset}) {
    if (tcGuiObject* o = findObjectOfKind(id, tcGuiObject::kDisplay)) {
      static_cast<tcGuiDisplay*>(o)->set_marquee(true);
    }
  }
  refreshControls();
  if (tcGuiApGraph* g = graph()) spectrum_ = std::make_unique<tcSpectrumView>(g, kSpectrumSlot);
}

tcControlGroupMain::~tcControlGroupMain() = default;

void tcControlGroupMain::refreshControls() {
  if (tcGuiApGraph* g = graph()) g->set_mode(kGraphMode);
  drawQuickSave();
  setKnobRange(kHdpnKnob, 0, 100);
  setKnobPosition(kHdpnKnob, static_cast<int>(globalValue(kHeadphoneLevel)));
  setDisplayClickable(kStatDevice, true);
  setDisplayClickable(kStatOnline, true);
}

void tcControlGroupMain::refreshAll() {
  refreshControls();
  refreshFlow();
}

tcGuiApGraph* tcControlGroupMain::graph() const {
  return static_cast<tcGuiApGraph*>(findObjectOfKind(kGraph, tcGuiObject::kApGraph));
}

void tcControlGroupMain::show(bool on) {
  tcControlGroup::show(on);
  showObject(kFlowTest, visible() && guru());
}

void tcControlGroupMain::afterShow() {
  showObject(kFlowHdOut, visible());
}

void tcControlGroupMain::refreshFlow() {
  const int page = bench()->page();
  for (const FlowRow& row : kFlow) {
    const bool on = (row.param_a != 0 && paramValue(row.param_a) != row.off_a) ||
                    (row.param_b != 0 && paramValue(row.param_b) != row.off_b);
    setState(row.button, (row.page == page ? kLookShown : 0) | (on ? 0 : kLookOff));
  }
}

void tcControlGroupMain::onParameterChanged(uint16_t id, int set_index) {
  tcControlGroup::onParameterChanged(id, set_index);
  for (const FlowRow& row : kFlow) {
    if (id == row.param_a || id == row.param_b) {
      refreshFlow();
      return;
    }
  }
}

void tcControlGroupMain::onGlobalChanged(uint16_t id) {
  tcControlGroup::onGlobalChanged(id);
  switch (id) {
    case kHeadphoneLevel:
      setKnobPosition(kHdpnKnob, static_cast<int>(globalValue(id)));
      break;
    case kAnalysisType:
      emit sig_set_analysis(static_cast<int>(globalValue(id)), kAnalysisSource);
      break;
    case kAnalysisChain:
      emit sig_set_analysis_chain(static_cast<int>(globalValue(id)), kAnalysisSource);
      break;
    default:
      break;
  }
}

void tcControlGroupMain::onMeterRecord(const tcMeterRecord& record) {
  // A page may draw its readings on a graph of its own.
  const int page = bench()->page();
  for (const FeedRow& feed : kFeeds) {
    tcControlGroup* target = bench()->group(feed.slot);
    if (feed.page != page || !target) continue;
    tcGraphReadings readings;
    readings.page = page;
    readings.rows = feed.rows;
    readings.bands = feed.bands;
    for (int r = 0; r < feed.rows; ++r) {
      for (int b = 0; b < feed.bands; ++b) {
        readings.row[r][b] = feed.first[r] != 0 ? record.byte(feed.first[r] + b) : 0xFF;
      }
    }
    readings.extra = record.byte(feed.extra);
    target->onGraphReadings(readings);
  }
  if (spectrum_) spectrum_->take(record);
  repaintGraph();
}

void tcControlGroupMain::onStatusChanged() {
  if (!spectrum_ || bench()->connection_state() == kConnectionOnline) return;
  spectrum_->clear();
  repaintGraph();
}

void tcControlGroupMain::repaintGraph() const {
  const tcGuiApGraph* g = graph();
  if (g && g->visible()) bench()->invalidate(g->area());
}

void tcControlGroupMain::onButton(int id) {
  for (const SignalRow& row : kSignals) {
    if (row.button == id) {
      emit(this->*row.signal)();
      return;
    }
  }
  for (const FlowRow& row : kFlow) {
    if (row.button == id) {
      bench()->select_page(row.page);
      return;
    }
  }
  if (id == kQsaveA || id == kQsaveB || id == kQsaveAB) quickSave(id);
}

void tcControlGroupMain::quickSave(int button) {
  tcQuickSave* store = bench()->stores().quick_save;
  SETTINGS* live = liveSet();
  if (!store || !live) return;
  const int result =
      button == kQsaveAB
          ? store->copy_to_other(*live)
          : store->switch_to(button == kQsaveA ? tcQuickSave::kA : tcQuickSave::kB, *live);
  drawQuickSave();
  if (result != 0) emit sig_write_failed(store->error_text());
}

void tcControlGroupMain::drawQuickSave() {
  const tcQuickSave* store = bench()->stores().quick_save;
  const bool b = store && store->index() == tcQuickSave::kB;
  setTextColour(kQsaveA, b ? kPlainColour : kHighlightColour);
  setState(kQsaveA, b ? 0 : 1);
  setTextColour(kQsaveB, b ? kHighlightColour : kPlainColour);
  setState(kQsaveB, b ? 1 : 0);
  setText(kQsaveAB, b ? "A = B" : "B = A");
}

void tcControlGroupMain::onSwitchToggled(int id, int state) {
  if (id == kOnline) {
    // The window switches the mode and sets the switch from it.
    emit sig_online();
    return;
  }
  tcControlGroup::onSwitchToggled(id, state);
}

void tcControlGroupMain::onDisplayClicked(int id) {
  if (id == kStatDevice) emit sig_device_dlg();
}

void tcControlGroupMain::showConnection(const tcString& text, int colour) {
  setDisplayText(kStatOnline, text);
  setDisplayColour(kStatOnline, alert_of(colour));
}

void tcControlGroupMain::showDevice(const tcString& name) {
  setDisplayText(kStatDevice, name);
}

void tcControlGroupMain::showPreset(const tcString& name, bool modified) {
  setDisplayText(kStatPreset, name);
  setDisplayColour(kStatPreset, modified ? tcGuiDisplay::kWarning : tcGuiDisplay::kNormal);
}
