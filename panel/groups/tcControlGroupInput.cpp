#include "panel/groups/tcControlGroupInput.h"

#include "link/protocol/tcMeterRecord.h"
#include "panel/groups/tcInputLamp.h"
#include "skin/objects/tcGuiObject.h"

namespace {

using G = tcControlGroupInput;

const tcControlGroup::SwitchRow kSwitches[] = {
    {G::kSymmetry, 0x1004, 0},     {G::kAutoMonoIn, 0x1005, 0},
    {G::kCrashLimiter, 0x1007, 0}, {G::kHpfStereo, G::kHpfStereoParam, 0},
    {G::kHpfSumIn, 0x100A, 0},     {G::kHpfDiffIn, 0x100B, 0},
    {G::kVoxCouple, 0x1129, 0},    {G::kVoxMonoSense, 0x1130, 0},
    {G::kFailover, 0, 0x3002},     {tcControlGroup::kEnd, 0, 0},
};

const tcControlGroup::ValueRow kValues[] = {
    {G::kVoxConverge, 0x1131, 1, "mS"},
    {G::kVoxDiverge, 0x1132, 1, "mS"},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

const tcControlGroup::KnobRow kKnobs[] = {
    {G::kAnalogGainKnob, G::kAnalogGainDisplay, 0x1001, "dB"},
    {G::kDigitalGainKnob, G::kDigitalGainDisplay, 0x1008, "dB"},
    {G::kOffsetKnob, G::kOffsetDisplay, 0x1002, "dB"},
    {G::kHpfSumKnob, G::kHpfSumDisplay, 0x1003, "Hz"},
    {G::kHpfDiffKnob, G::kHpfDiffDisplay, 0x1009, "Hz"},
    {G::kAutoMonoKnob, G::kAutoMonoDisplay, 0x1006, "dB"},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

// The radio groups and the globals they select; items 0 and 1 only.
struct RadioRow {
  int group;
  uint16_t global;
};
const RadioRow kRadios[] = {
    {G::kSource, G::kSourceGlobal},
    {G::kDigital, G::kDigitalGlobal},
};
constexpr int kRadioItems = 2;

// The difference filter's controls, hidden while the filter works on stereo.
const int kDiffFilter[] = {G::kHpfDiffIn, G::kHpfDiffKnob, G::kHpfDiffDisplay};
// Engineering-mode controls beside the object group.
const int kVoxControls[] = {G::kVoxCouple, G::kVoxMonoSense, G::kVoxConverge, G::kVoxDiverge};

constexpr const char* kStereoLabel = "F r e q u e n c y";
constexpr const char* kSumLabel = "S u m   F r e q.";
constexpr const char* kDiffLabel = "D i f f   F r e q.";

constexpr const char* kAnalogName = "Analog";
constexpr const char* kDigitalName = "Digital";

}  // namespace

const tcControlGroup::NameRow tcControlGroupInput::kNames[] = {
    {kFreeDraw, "INPUT_FREE_DRAW"},
    {kSource, "INPUT_SRC"},
    {kSourceAnalog, "INPUT_SRC_ANA"},
    {kSourceDigital, "INPUT_SRC_DIG"},
    {kDigital, "INPUT_DIG"},
    {kDigitalAes, "INPUT_DIG_AES"},
    {kDigitalSvip, "INPUT_DIG_SVIP"},
    {kAnalogGainKnob, "INPUT_ANA_GAIN_KNOB"},
    {kAnalogGainDisplay, "INPUT_ANA_GAIN_DSPY"},
    {kDigitalGainKnob, "INPUT_DIG_GAIN_KNOB"},
    {kDigitalGainDisplay, "INPUT_DIG_GAIN_DSPY"},
    {kOffsetKnob, "INPUT_OFFSET_KNOB"},
    {kOffsetDisplay, "INPUT_OFFSET_DSPY"},
    {kHpfStereo, "INPUT_HPF_STEREO"},
    {kHpfSumIn, "INPUT_HPFS_IN"},
    {kHpfDiffIn, "INPUT_HPFD_IN"},
    {kHpfSumKnob, "INPUT_HPFS_KNOB"},
    {kHpfSumDisplay, "INPUT_HPFS_DSPY"},
    {kHpfDiffKnob, "INPUT_HPFD_KNOB"},
    {kHpfDiffDisplay, "INPUT_HPFD_DSPY"},
    {kSymmetry, "INPUT_SYMMETRY"},
    {kAutoMonoIn, "INPUT_AMONO_IN"},
    {kAutoMonoKnob, "INPUT_AMONO_THR_KNOB"},
    {kAutoMonoDisplay, "INPUT_AMONO_THR_DSPY"},
    {kFailover, "INPUT_FAILOVER"},
    {kAnalogLamp, "INPUT_ANA_FAIL"},
    {kDigitalLamp, "INPUT_DIG_FAIL"},
    {kVoxGroup, "INPUT_VOX_GROUP"},
    {kVoxCouple, "INPUT_VOX_COUPLE_IN"},
    {kVoxMonoSense, "INPUT_VOX_MONO_SENS"},
    {kVoxConverge, "INPUT_VOX_CONVERGE"},
    {kVoxDiverge, "INPUT_VOX_DIVERGE"},
    {0, nullptr},
};

tcControlGroupInput::tcControlGroupInput(tcAPBench* bench) : tcControlGroup(bench, kNames) {
  setTables(kSwitches, kValues, kKnobs);
  setState(kAnalogLamp, tcInputLamp::kUnknown);
  setText(kAnalogLamp, kAnalogName);
  setState(kDigitalLamp, tcInputLamp::kUnknown);
  setText(kDigitalLamp, kDigitalName);
  refreshAll();
}

tcControlGroupInput::~tcControlGroupInput() = default;

void tcControlGroupInput::refreshAll() {
  for (const KnobRow* r = knobTable(); r->knob != kEnd; ++r) {
    setupRange(static_cast<int>(r->knob), r->param, static_cast<int>(r->display), r->unit);
  }
  refreshSwitches();
  refreshValues();
  refreshKnobs();
  selectSources();
  applyVisibility();
}

void tcControlGroupInput::selectSources() {
  for (const RadioRow& r : kRadios) setState(r.group, static_cast<int>(globalValue(r.global)));
}

void tcControlGroupInput::applyVisibility() {
  const bool stereo = paramValue(kHpfStereoParam) != 0;
  for (const int id : kDiffFilter) showObject(id, visible() && !stereo);
  setText(kHpfSumKnob, stereo ? kStereoLabel : kSumLabel);
  if (!stereo) setText(kHpfDiffKnob, kDiffLabel);

  const bool vox = visible() && guru();
  if (const SkinGroup* g = findObjectGroup(kVoxGroup)) {
    for (tcGuiObject* member : *g->members) member->show(vox);
  }
  for (const int id : kVoxControls) showObject(id, vox);
}

void tcControlGroupInput::afterShow() {
  applyVisibility();
}

void tcControlGroupInput::onParameterChanged(uint16_t id, int set_index) {
  tcControlGroup::onParameterChanged(id, set_index);
  if (id == kHpfStereoParam) applyVisibility();
}

void tcControlGroupInput::onGlobalChanged(uint16_t id) {
  tcControlGroup::onGlobalChanged(id);
  for (const RadioRow& r : kRadios) {
    if (r.global == id) selectSources();
  }
}

void tcControlGroupInput::setSwitch(int id, int state) {
  tcControlGroup::setSwitch(id, state);
  if (id == kHpfStereo) applyVisibility();
}

void tcControlGroupInput::onRadioSelected(int id, int item) {
  for (const RadioRow& r : kRadios) {
    if (r.group != id) continue;
    selectRadio(r.group, r.global, item, kRadioItems);
    selectSources();
    return;
  }
}

void tcControlGroupInput::onMeterRecord(const tcMeterRecord& record) {
  if (++records_ < tcInputLamp::kRecordsPerUpdate) return;
  records_ = 0;
  tcInputLamp::show(*this, kAnalogLamp, kAnalogName, record.byte(kAnalogStatusByte));
  tcInputLamp::show(*this, kDigitalLamp, kDigitalName, record.byte(kDigitalStatusByte));
}
