#include "panel/groups/tcControlGroupHDOut.h"

namespace {

using G = tcControlGroupHDOut;

const tcControlGroup::KnobRow kKnobs[] = {
    {G::kMasterKnob, G::kMasterDisplay, 0x1800, "dB"},
    {G::kLevelKnob, G::kLevelDisplay, 0x1801, "dB"},
    {G::kLimThrKnob, G::kLimThrDisplay, 0x1809, "dB"},
    {G::kLimAttKnob, G::kLimAttDisplay, 0x1803, "mS"},
    {G::kLimRlsKnob, G::kLimRlsDisplay, 0x1804, "mS"},
    {G::kLimRllKnob, G::kLimRllDisplay, 0x180A, "mS"},
    {G::kMbDriveKnob, G::kMbDriveDisplay, 0x1701, "%"},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

const tcControlGroup::SwitchRow kSwitches[] = {
    {G::kLimLong, 0x180B, 0},     {G::kLimEnable, 0x1802, 0}, {G::kLimLink, 0x1806, 0},
    {G::kPhase, 0x1805, 0},       {G::kSwap, 0x1807, 0},      {G::kMbEnable, 0x1700, 0},
    {tcControlGroup::kEnd, 0, 0},
};

const tcControlGroup::ValueRow kValues[] = {
    {G::kBassDrive, 0x1703, 1, "dB"},      {G::kBassTrim, 0x1705, 1, "dB"},
    {G::kBassFreq, 0x1706, 1, "Hz"},       {G::kBassTexture, 0x1707, 1, "%%"},
    {G::kBassStroke, 0x1704, 0, nullptr},  {G::kBassSubOn, 0x170C, 0, nullptr},
    {G::kLimClip, 0x1808, 0, nullptr},     {G::kMbKnee, 0x1702, 0, nullptr},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

const char* const kClipItems[] = {"Off", "Round", "Deep", nullptr};
const char* const kKneeItems[] = {"Soft", "Hard", nullptr};
const char* const kStrokeItems[] = {"Off     ", "Soft    ", "Hard    ", nullptr};
const char* const kSubOnItems[] = {"Off", "On", nullptr};
const tcListItems kLists[] = {
    {G::kLimClip, kClipItems},
    {G::kMbKnee, kKneeItems},
    {G::kBassStroke, kStrokeItems},
    {G::kBassSubOn, kSubOnItems},
    {0, nullptr},
};

using Q = tcControlGroupMBLim;
const Q::Quantity kQuantities[] = {
    {G::kMbTypeThr, Q::kThreshold, tcMBLimGraph::kBands, "Limiter Thresh", 0x1730,
     Q::kThresholdMarks},
    {G::kMbTypeAtt, Q::kAttack, tcMBLimGraph::kBands, "Attack", 0x1750, Q::kAttackMarks},
    {G::kMbTypeRel, Q::kRelease, tcMBLimGraph::kBands, "Release", 0x1770, Q::kReleaseMarks},
    {G::kMbTypeEq, Q::kEq, tcMBLimGraph::kEqualiser, "EQ", 0, Q::kEqMarks},
    {0, 0, tcMBLimGraph::kBands, nullptr, 0, nullptr},
};

const Q::Layout kLayout = {G::kMbType, kQuantities, {0x17C4, 0x17C8, 0x17CC}, 0, 0, kLists};

}  // namespace

const tcControlGroup::NameRow tcControlGroupHDOut::kNames[] = {
    {kFreeDraw, "HD_FREE_DRAW"},
    {kMasterKnob, "HD_MSTR_KNOB"},
    {kMasterDisplay, "HD_MSTR_DSPY"},
    {kLevelKnob, "HD_LEVEL_KNOB"},
    {kLevelDisplay, "HD_LEVEL_DSPY"},
    {kLimEnable, "HD_LIM_ENABLE"},
    {kLimThrKnob, "HD_LIM_THR_KNOB"},
    {kLimThrDisplay, "HD_LIM_THR_DSPY"},
    {kLimAttKnob, "HD_LIM_ATT_KNOB"},
    {kLimAttDisplay, "HD_LIM_ATT_DSPY"},
    {kLimRlsKnob, "HD_LIM_RLS_KNOB"},
    {kLimRlsDisplay, "HD_LIM_RLS_DSPY"},
    {kLimRllKnob, "HD_LIM_RLL_KNOB"},
    {kLimRllDisplay, "HD_LIM_RLL_DSPY"},
    {kLimLong, "HD_LIM_LONG"},
    {kLimLink, "HD_LIM_LINK"},
    {kPhase, "HD_PHASE"},
    {kSwap, "HD_SWAP"},
    {kLimClip, "HD_LIM_CLIP"},
    {kMbEnable, "HDO_MBLIM_ENABLE"},
    {kMbDriveKnob, "HDO_MBLIM_DRV_KNOB"},
    {kMbDriveDisplay, "HDO_MBLIM_DRV_DSPY"},
    {kMbKnee, "HDO_MBLIM_KNEE"},
    {kMbType, "HDO_MBLIM_TYPE"},
    {kMbTypeThr, "HDO_MBLIM_TYPE_THR"},
    {kMbTypeAtt, "HDO_MBLIM_TYPE_ATT"},
    {kMbTypeRel, "HDO_MBLIM_TYPE_REL"},
    {kMbTypeEq, "HDO_MBLIM_TYPE_EQ"},
    {kBassDrive, "HDO_BCLP_DRV"},
    {kBassStroke, "HDO_BCLP_STROKE"},
    {kBassTrim, "HDO_BCLP_TRIM"},
    {kBassFreq, "HDO_BCLP_FREQ"},
    {kBassTexture, "HDO_BCLP_TXTR"},
    {kBassSubOn, "HDO_BCLP_SUBON"},
    {0, nullptr},
};

tcControlGroupHDOut::tcControlGroupHDOut(tcAPBench* bench)
    : tcControlGroupMBLim(bench, kNames, kLayout) {
  setTables(kSwitches, kValues, kKnobs);
  setUpPage();
}

tcControlGroupHDOut::~tcControlGroupHDOut() = default;
