#include "panel/groups/tcControlGroupFMPlex.h"

#include <algorithm>
#include <climits>

#include "panel/framework/tcAPBench.h"
#include "panel/framework/tcRadioTable.h"
#include "panel/groups/tcPageSetup.h"

namespace {

using G = tcControlGroupFMPlex;

constexpr uint16_t kTestFrequency = 0x2004;
constexpr uint16_t kTestLevel = 0x2005;
constexpr uint16_t kTestOn = 0x2006;

const tcControlGroup::KnobRow kKnobs[] = {
    {G::kDriveKnob, G::kDriveDisplay, 0x1612, "dB"},
    {G::kPilotKnob, G::kPilotDisplay, 0x1614, "%"},
    {G::kSca1Knob, G::kSca1Display, 0x1615, "dB"},
    {G::kSca2Knob, G::kSca2Display, 0x1616, "dB"},
    {G::kTx1Knob, G::kTx1Display, 0x1617, "dB"},
    {G::kTx2Knob, G::kTx2Display, 0x1618, "dB"},
    {G::kOutKnob, G::kOutDisplay, 0x1610, "dB"},
    {G::kTestOscKnob, G::kTestOscDisplay, kTestFrequency, ""},
    {G::kTestLevelKnob, G::kTestLevelDisplay, kTestLevel, ""},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

const tcControlGroup::SwitchRow kSwitches[] = {
    {G::kPilotOnly, 0x160E, 0},
    {G::kBs412In, 0x161D, 0},
    {G::kTestOsc, 0, kTestOn},
    {tcControlGroup::kEnd, 0, 0},
};

const tcControlGroup::ValueRow kValues[] = {
    {G::kStwLimiter, 0x160F, 0, nullptr},   {G::kMpxMode, 0x1605, 0, nullptr},
    {G::kSidebandMode, 0x161C, 0, nullptr}, {G::kPilotPhase, 0x160C, 1, "\xB0"},
    {G::kBs412Level, 0x1611, 1, ""},        {tcControlGroup::kEnd, 0, 0, nullptr},
};

const char* const kStwItems[] = {" Off", "100%", " 90%", " 80%", " 70%", " 60%",
                                 " 50%", " 40%", " 30%", " 20%", " 10%", nullptr};
const char* const kMpxModeItems[] = {"Stereo", "Mono", nullptr};
const char* const kSidebandItems[] = {"DSB-SC", "SSB_SC", nullptr};
const tcListItems kLists[] = {
    {G::kStwLimiter, kStwItems},
    {G::kMpxMode, kMpxModeItems},
    {G::kSidebandMode, kSidebandItems},
    {0, nullptr},
};

const tcRadioRow kRadios[] = {
    {G::kAnalog, G::kAnalogMpx, 0},     {G::kAnalog, G::kAnalogLr, 1},
    {G::kAnalog, G::kAnalogLre, 2},     {G::kMpxProc, G::kMpxProcLook, 1},
    {G::kMpxProc, G::kMpxProcHClip, 2}, {0, 0, 0},
};
struct RadioParam {
  int group;
  uint16_t param;
};
const RadioParam kRadioParams[] = {{G::kAnalog, G::kAnalogParam}, {G::kMpxProc, G::kMpxProcParam}};

// The test oscillator's globals span the whole unsigned range; their knobs
// offer what the oscillator has.
struct KnobRange {
  int knob;
  int minimum;
  int maximum;
};
const KnobRange kRanges[] = {{G::kTestOscKnob, 0, 20}, {G::kTestLevelKnob, 0, 100}};

const KnobRange* range_of(int knob) {
  for (const KnobRange& r : kRanges) {
    if (r.knob == knob) return &r;
  }
  return nullptr;
}

}  // namespace

const tcControlGroup::NameRow tcControlGroupFMPlex::kNames[] = {
    {kFreeDraw, "FMP_FREE_DRAW"},
    {kDriveKnob, "FMP_DRIVE_KNOB"},
    {kDriveDisplay, "FMP_DRIVE_DSPY"},
    {kPilotKnob, "FMP_PILOT_KNOB"},
    {kPilotDisplay, "FMP_PILOT_DSPY"},
    {kSca1Knob, "FMP_SCA1_KNOB"},
    {kSca1Display, "FMP_SCA1_DSPY"},
    {kSca2Knob, "FMP_SCA2_KNOB"},
    {kSca2Display, "FMP_SCA2_DSPY"},
    {kTx1Knob, "FMP_TX1_KNOB"},
    {kTx1Display, "FMP_TX1_DSPY"},
    {kTx2Knob, "FMP_TX2_KNOB"},
    {kTx2Display, "FMP_TX2_DSPY"},
    {kOutKnob, "FMP_OUT_KNOB"},
    {kOutDisplay, "FMP_OUT_DSPY"},
    {kPilotOnly, "FMP_PILOT_ONLY"},
    {kTestOsc, "FMP_TEST_OSC"},
    {kTestOscKnob, "FMP_TEST_OSC_KNOB"},
    {kTestOscDisplay, "FMP_TEST_OSC_DSPY"},
    {kTestLevelKnob, "FMP_TEST_LVL_KNOB"},
    {kTestLevelDisplay, "FMP_TEST_LVL_DSPY"},
    {kAnalog, "FMP_ANALOG"},
    {kAnalogMpx, "FMP_ANALOG_MPX"},
    {kAnalogLr, "FMP_ANALOG_LR"},
    {kAnalogLre, "FMP_ANALOG_LRE"},
    {kSidebandMode, "FMP_SBMODE"},
    {kMpxMode, "FMP_MPX_MODE"},
    {kPilotPhase, "FMP_PILOT_PHASE"},
    {kMpxProc, "FMP_MPXPROC"},
    {kMpxProcLook, "FMP_MPXPROC_LOOK"},
    {kMpxProcHClip, "FMP_MPXPROC_HCLIP"},
    {kStwLimiter, "FMP_STW_LIM"},
    {kBs412In, "FMP_BS412_I"},
    {kBs412Level, "FMP_BS412_L"},
    {0, nullptr},
};

tcControlGroupFMPlex::tcControlGroupFMPlex(tcAPBench* bench) : tcControlGroup(bench, kNames) {
  setTables(kSwitches, kValues, kKnobs);
  tcPageSetup::fillLists(*this, kLists);
  refreshAll();
}

tcControlGroupFMPlex::~tcControlGroupFMPlex() = default;

void tcControlGroupFMPlex::fillListItems(int id) {
  tcPageSetup::fillList(*this, kLists, id);
}

void tcControlGroupFMPlex::refreshAll() {
  tcPageSetup::setUpControls(*this);
  for (const KnobRange& r : kRanges) setKnobRange(r.knob, r.minimum, r.maximum);
  refreshSwitches();
  refreshValues();
  refreshKnobs();
  showRadios();
}

void tcControlGroupFMPlex::showRadios() {
  for (const RadioParam& r : kRadioParams) {
    tcRadioTable::select(*this, kRadios, r.group, paramValue(r.param));
  }
}

void tcControlGroupFMPlex::onParameterChanged(uint16_t id, int set_index) {
  tcControlGroup::onParameterChanged(id, set_index);
  if (tcPageSetup::isCurrentSet(*this, set_index) && (id == kAnalogParam || id == kMpxProcParam)) {
    showRadios();
  }
}

void tcControlGroupFMPlex::setKnob(int id, int raw) {
  const KnobRow* row = knobRowOf(id);
  const KnobRange* range = row ? range_of(static_cast<int>(row->knob)) : nullptr;
  tcControlGroup::setKnob(id, range ? std::clamp(raw, range->minimum, range->maximum) : raw);
}

void tcControlGroupFMPlex::onDisplayText(int id, const tcString& text) {
  const KnobRow* row = knobRowOf(id);
  uint32_t raw = 0;
  if (row && range_of(static_cast<int>(row->knob))) {
    // Goes through setKnob, which keeps the value in the knob's range.
    if (rawFromText(static_cast<uint16_t>(row->param), text, &raw)) {
      setKnob(static_cast<int>(row->knob),
              static_cast<int>(std::min<uint32_t>(raw, static_cast<uint32_t>(INT_MAX))));
    }
    return;
  }
  tcControlGroup::onDisplayText(id, text);
}

void tcControlGroupFMPlex::setSwitch(int id, int state) {
  tcControlGroup::setSwitch(id, state);
  bench()->refresh_flow();
}

void tcControlGroupFMPlex::onRadioSelected(int id, int index) {
  uint32_t value = 0;
  if (!tcRadioTable::valueOf(*this, kRadios, id, index, &value)) return;
  for (const RadioParam& r : kRadioParams) {
    if (r.group == id) writeParam(r.param, value);
  }
  // The selection follows the stored value, which the store may have limited.
  showRadios();
  bench()->refresh_flow();
}
