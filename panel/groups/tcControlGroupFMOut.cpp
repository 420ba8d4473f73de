#include "panel/groups/tcControlGroupFMOut.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "panel/framework/tcAPBench.h"

namespace {

using G = tcControlGroupFMOut;

const tcControlGroup::KnobRow kKnobs[] = {
    {G::kMasterKnob, G::kMasterDisplay, 0x1600, "dB"},
    {G::kLimThrKnob, G::kLimThrDisplay, 0x1602, "dB"},
    {G::kLimAtkKnob, G::kLimAtkDisplay, 0x1603, "mS"},
    {G::kLimRlsKnob, G::kLimRlsDisplay, 0x1604, "mS"},
    {G::kLimRllKnob, G::kLimRllDisplay, 0x1607, "mS"},
    {G::kMbDriveKnob, G::kMbDriveDisplay, 0x1501, "%"},
    {G::kAesGainKnob, G::kAesGainDisplay, 0x161A, "dB"},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

const tcControlGroup::SwitchRow kSwitches[] = {
    {G::kLimEnable, 0x1601, 0},   {G::kLimLink, 0x1609, 0},       {G::kLimLong, 0x1608, 0},
    {G::kMbEnable, 0x1500, 0},    {G::kAesDeEmphasis, 0x161B, 0}, {G::kAesPreDelay, 0x160D, 0},
    {tcControlGroup::kEnd, 0, 0},
};

const tcControlGroup::ValueRow kValues[] = {
    {G::kBassDrive, 0x1505, 1, "dB"},
    {G::kBassTrim, 0x1507, 1, "dB"},
    {G::kBassFreq, 0x1508, 1, "Hz"},
    {G::kBassTexture, 0x1509, 1, "%%"},
    {G::kBassStroke, 0x1506, 0, nullptr},
    {G::kBassSubOn, 0x150E, 0, nullptr},
    {G::kLimClip, 0x1606, 0, nullptr},
    {G::kMbKnee, 0x1502, 0, nullptr},
    {G::kEmphasis, G::kEmphasisParam, 0, nullptr},
    {G::kEmphasisPos, G::kEmphasisPosParam, 0, nullptr},
    {G::kDigitalOutput, 0x1940, 0, nullptr},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

const char* const kEmphasisItems[] = {"FLAT", "pre 50uS", "pre 75uS", nullptr};
const char* const kEmphasisPosItems[] = {"Pre-MBLim", "Pre-Limiter", "Post-Limiter", nullptr};
const char* const kClipItems[] = {"Hard", "Firm", "Round", nullptr};
const char* const kKneeItems[] = {"Soft", "Hard", nullptr};
const char* const kStrokeItems[] = {"Off     ", "Soft    ", "Hard    ", nullptr};
const char* const kSubOnItems[] = {"Off", "On", nullptr};
const char* const kOutputItems[] = {"AES3", "Baseband", nullptr};
const tcListItems kLists[] = {
    {G::kEmphasis, kEmphasisItems},    {G::kEmphasisPos, kEmphasisPosItems},
    {G::kLimClip, kClipItems},         {G::kMbKnee, kKneeItems},
    {G::kBassStroke, kStrokeItems},    {G::kBassSubOn, kSubOnItems},
    {G::kDigitalOutput, kOutputItems}, {0, nullptr},
};

// The emphasis and its position may also be drawn as radio groups of their
// items, or with one button (chooses and lights) or lamp (lights) per item.
const tcRadioRow kChoices[] = {
    {G::kEmphasis, G::kEmphasisFlat, 2},
    {G::kEmphasis, G::kPreEmphasis50, 3},
    {G::kEmphasis, G::kPreEmphasis75, 4},
    {G::kEmphasisPos, G::kEmphasisPosPreMb, 0},
    {G::kEmphasisPos, G::kEmphasisPosPreLim, 1},
    {G::kEmphasisPos, G::kEmphasisPosPost, 2},
    {0, 0, 0},
};
struct ChoiceParam {
  int group;
  uint16_t param;
};
const ChoiceParam kChoiceParams[] = {{G::kEmphasis, G::kEmphasisParam},
                                     {G::kEmphasisPos, G::kEmphasisPosParam}};

uint16_t param_of_choice(int group) {
  for (const ChoiceParam& c : kChoiceParams) {
    if (c.group == group) return c.param;
  }
  return 0;
}

using Q = tcControlGroupMBLim;
const Q::Quantity kQuantities[] = {
    {G::kMbTypeThr, Q::kThreshold, tcMBLimGraph::kBands, "Limiter Thresh", 0x1510,
     Q::kThresholdMarks},
    {G::kMbTypeAtt, Q::kAttack, tcMBLimGraph::kBands, "Attack", 0x1550, Q::kAttackMarks},
    {G::kMbTypeRel, Q::kRelease, tcMBLimGraph::kBands, "Release", 0x1570, Q::kReleaseMarks},
    {G::kMbTypeCoupling, Q::kCoupling, tcMBLimGraph::kSwitches, "Coupling", 0x1590, nullptr},
    {G::kMbTypeEq, Q::kEq, tcMBLimGraph::kEqualiser, "EQ", 0, Q::kEqMarks},
    {G::kMbTypeAutoEq, Q::kAutoEq, tcMBLimGraph::kAutoEq, "Auto VOX EQ", 0, Q::kEqMarks},
    {0, 0, tcMBLimGraph::kBands, nullptr, 0, nullptr},
};

const Q::Layout kLayout = {G::kMbType,        kQuantities, {0x15B4, 0x15B8, 0x15BC},
                           G::kCouplingParam, G::kGraph,   kLists};

}  // namespace

const tcControlGroup::NameRow tcControlGroupFMOut::kNames[] = {
    {kFreeDraw, "FMO_FREE_DRAW"},
    {kGraph, "FMO_GRAPH"},
    {kMasterKnob, "FMO_MSTR_KNOB"},
    {kMasterDisplay, "FMO_MSTR_DSPY"},
    {kLimEnable, "FMO_LIM_ENABLE"},
    {kLimClip, "FMO_LIM_CLIP"},
    {kLimLink, "FMO_LIM_LINK"},
    {kLimThrKnob, "FMO_LIM_THR_KNOB"},
    {kLimThrDisplay, "FMO_LIM_THR_DSPY"},
    {kLimAtkKnob, "FMO_LIM_ATK_KNOB"},
    {kLimAtkDisplay, "FMO_LIM_ATK_DSPY"},
    {kLimRlsKnob, "FMO_LIM_RLS_KNOB"},
    {kLimRlsDisplay, "FMO_LIM_RLS_DSPY"},
    {kLimRllKnob, "FMO_LIM_RLL_KNOB"},
    {kLimRllDisplay, "FMO_LIM_RLL_DSPY"},
    {kLimLong, "FMO_LIM_LONG"},
    {kEmphasisPos, "FMO_EMP_POS"},
    {kEmphasisPosPreMb, "FMO_EMP_POS_PREMB"},
    {kEmphasisPosPreLim, "FMO_EMP_POS_PRELIM"},
    {kEmphasisPosPost, "FMO_EMP_POS_POST"},
    {kEmphasis, "FMO_EMP"},
    {kEmphasisFlat, "FMO_EMP_FLAT"},
    {kPreEmphasis50, "FMO_PREEMP_50"},
    {kPreEmphasis75, "FMO_PREEMP_75"},
    {kDelayCoarse, "FMO_DELAY_C_KNOB"},
    {kDelayFine, "FMO_DELAY_F_KNOB"},
    {kDelayDisplay, "FMO_DELAY_DSPY"},
    {kMbEnable, "FMO_MBLIM_ENABLE"},
    {kMbDriveKnob, "FMO_MBLIM_DRV_KNOB"},
    {kMbDriveDisplay, "FMO_MBLIM_DRV_DSPY"},
    {kMbKnee, "FMO_MBLIM_KNEE"},
    {kMbCouplingW, "FMO_MBLIM_COUPLING_W"},
    {kMbCouplingT, "FMO_MBLIM_COUPLING_T"},
    {kMbType, "FMO_MBLIM_TYPE"},
    {kMbTypeThr, "FMO_MBLIM_TYPE_THR"},
    {kMbTypeAtt, "FMO_MBLIM_TYPE_ATT"},
    {kMbTypeRel, "FMO_MBLIM_TYPE_REL"},
    {kMbTypeCoupling, "FMO_MBLIM_TYPE_COUPL"},
    {kMbTypeEq, "FMO_MBLIM_TYPE_EQ"},
    {kMbTypeAutoEq, "FMO_MBLIM_TYPE_AVEQ"},
    {kAesGainKnob, "FMO_AES_GAIN_KNOB"},
    {kAesGainDisplay, "FMO_AES_GAIN_DSPY"},
    {kAesDeEmphasis, "FMO_AES_DEEMPH"},
    {kAesPreDelay, "FMO_AES_PDLY"},
    {kBassDrive, "FMO_BCLP_DRV"},
    {kBassStroke, "FMO_BCLP_STROKE"},
    {kBassTrim, "FMO_BCLP_TRIM"},
    {kBassFreq, "FMO_BCLP_FREQ"},
    {kBassTexture, "FMO_BCLP_TXTR"},
    {kBassSubOn, "FMO_BCLP_SUBON"},
    {kDigitalOutput, "FMO_DIGITAL_OUTPUT"},
    {0, nullptr},
};

tcControlGroupFMOut::tcControlGroupFMOut(tcAPBench* bench)
    : tcControlGroupMBLim(bench, kNames, kLayout) {
  setTables(kSwitches, kValues, kKnobs);
  setUpPage();
}

tcControlGroupFMOut::~tcControlGroupFMOut() = default;

void tcControlGroupFMOut::refreshAll() {
  tcControlGroupMBLim::refreshAll();
  setKnobRange(kDelayCoarse, 0, kDelayCoarseMax);
  setKnobRange(kDelayFine, 0, kDelayFineMax);
  setDisplayEditable(kDelayDisplay, true, "mS");
  showDelay();
  showCouplingBoxes();
  showEmphasis();
}

void tcControlGroupFMOut::onParameterChanged(uint16_t id, int set_index) {
  tcControlGroupMBLim::onParameterChanged(id, set_index);
  if (!tcPageSetup::isCurrentSet(*this, set_index)) return;
  if (id == kCouplingParam) showCouplingBoxes();
  if (id == kEmphasisParam || id == kEmphasisPosParam) showEmphasis();
}

void tcControlGroupFMOut::onGlobalChanged(uint16_t id) {
  tcControlGroupMBLim::onGlobalChanged(id);
  if (id == kDelayGlobal) showDelay();
}

// --- Output delay ----------------------------------------------------------------

uint32_t tcControlGroupFMOut::delayOf(int coarse, int fine) {
  const long long value =
      static_cast<long long>(std::max(coarse, 0)) * kDelayStep + std::max(fine, 0);
  return static_cast<uint32_t>(std::min<long long>(value, kDelayMax));
}

void tcControlGroupFMOut::setKnob(int id, int raw) {
  if (id != kDelayCoarse && id != kDelayFine) {
    tcControlGroupMBLim::setKnob(id, raw);
    return;
  }
  // The other slider keeps what the stored delay says.
  const uint32_t stored = globalValue(kDelayGlobal);
  const int coarse = id == kDelayCoarse ? raw : static_cast<int>(stored / kDelayStep);
  const int fine = id == kDelayFine ? raw : static_cast<int>(stored % kDelayStep);
  writeDelay(delayOf(coarse, fine));
}

void tcControlGroupFMOut::onDisplayText(int id, const tcString& text) {
  if (id != kDelayDisplay) {
    tcControlGroupMBLim::onDisplayText(id, text);
    return;
  }
  // Typed in milliseconds, as the display shows it.
  char* end = nullptr;
  const double ms = std::strtod(text.c_str(), &end);
  if (end == text.c_str() || !std::isfinite(ms)) return;
  const double tenths = std::clamp(std::round(ms * 10.0), 0.0, static_cast<double>(kDelayMax));
  writeDelay(static_cast<uint32_t>(tenths));
}

void tcControlGroupFMOut::writeDelay(uint32_t tenths) {
  writeGlobal(kDelayGlobal, std::min(tenths, kDelayMax));
  showDelay();
}

void tcControlGroupFMOut::showDelay() {
  const uint32_t stored = globalValue(kDelayGlobal);
  setKnobPosition(kDelayCoarse,
                  static_cast<int>(std::min<uint32_t>(stored / kDelayStep, kDelayCoarseMax)));
  setKnobPosition(kDelayFine, static_cast<int>(stored % kDelayStep));
  setDisplayText(kDelayDisplay, globalText(kDelayGlobal));
}

// --- Coupling ----------------------------------------------------------------------

void tcControlGroupFMOut::setSwitch(int id, int state) {
  if (id != kMbCouplingW && id != kMbCouplingT) {
    tcControlGroupMBLim::setSwitch(id, state);
    return;
  }
  const uint32_t bit = id == kMbCouplingW ? kCouplingWBit : kCouplingTBit;
  const uint32_t value = paramValue(kCouplingParam);
  writeParam(kCouplingParam, state ? (value | bit) : (value & ~bit));
  showCouplingBoxes();
}

void tcControlGroupFMOut::showCouplingBoxes() {
  const uint32_t value = paramValue(kCouplingParam);
  setState(kMbCouplingW, (value & kCouplingWBit) ? 1 : 0);
  setState(kMbCouplingT, (value & kCouplingTBit) ? 1 : 0);
  showCoupling();
}

// --- Emphasis ----------------------------------------------------------------------

void tcControlGroupFMOut::writeChoice(const tcRadioRow& row) {
  writeParam(param_of_choice(row.group), row.value);
  showEmphasis();
  refreshValues();
  bench()->refresh_flow();
}

void tcControlGroupFMOut::onButton(int id) {
  if (const tcRadioRow* row = tcRadioTable::rowOfItem(kChoices, id)) writeChoice(*row);
}

void tcControlGroupFMOut::onRadioSelected(int id, int index) {
  uint32_t value = 0;
  if (tcRadioTable::valueOf(*this, kChoices, id, index, &value)) {
    writeChoice(tcRadioRow{id, 0, value});
    return;
  }
  tcControlGroupMBLim::onRadioSelected(id, index);
}

void tcControlGroupFMOut::showEmphasis() {
  for (const ChoiceParam& c : kChoiceParams) {
    tcRadioTable::select(*this, kChoices, c.group, paramValue(c.param));
  }
  // Items drawn as buttons or lamps light when chosen.
  for (const tcRadioRow* row = kChoices; row->group != 0; ++row) {
    const tcGuiObject* item = findObject(row->item);
    if (item && (item->kind() == tcGuiObject::kButton || item->kind() == tcGuiObject::kLamp)) {
      setState(row->item, paramValue(param_of_choice(row->group)) == row->value ? 1 : 0);
    }
  }
}
