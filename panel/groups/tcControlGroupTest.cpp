#include "panel/groups/tcControlGroupTest.h"

#include <array>

#include "panel/groups/tcPageSetup.h"
#include "params/SETTINGS.h"

namespace {

using G = tcControlGroupTest;

// The output, then the F, X and C rows of the nine digits; the end row last.
constexpr int kKnobRows = 1 + 3 * G::kDigits + 1;

std::array<tcControlGroup::KnobRow, kKnobRows> make_knobs() {
  std::array<tcControlGroup::KnobRow, kKnobRows> rows{};
  size_t i = 0;
  rows[i++] = {G::kOutKnob, G::kOutDisplay, G::kOutParam, "dB"};
  const struct {
    int knob;
    int display;
    uint16_t param;
  } kRows[] = {{G::kF1Knob, G::kF1Display, G::kFirstF},
               {G::kX1Knob, G::kX1Display, G::kFirstX},
               {G::kC1Knob, G::kC1Display, G::kFirstC}};
  for (const auto& r : kRows) {
    for (int n = 0; n < G::kDigits; ++n) {
      rows[i++] = {static_cast<uint32_t>(r.knob + n), static_cast<uint32_t>(r.display + n),
                   static_cast<uint32_t>(r.param + n), ""};
    }
  }
  rows[i] = {tcControlGroup::kEnd, 0, 0, nullptr};
  return rows;
}

const std::array<tcControlGroup::KnobRow, kKnobRows> kKnobs = make_knobs();

const tcControlGroup::SwitchRow kSwitches[] = {
    {G::kHdSubIn, 0x1708, 0},
    {G::kFmSubIn, 0x150A, 0},
    {G::kSizzlerIn, 0x1340, 0},
    {tcControlGroup::kEnd, 0, 0},
};

const tcControlGroup::ValueRow kValues[] = {
    {G::kHdSubTrim, 0x1709, 1, "%"},    {G::kHdSubRange, 0x170B, 1, "%"},
    {G::kFmSubTrim, 0x150B, 1, "%"},    {G::kFmSubRange, 0x150D, 1, "%"},
    {G::kSizzlerLevel, 0x1341, 1, "%"}, {tcControlGroup::kEnd, 0, 0, nullptr},
};

}  // namespace

const tcControlGroup::NameRow tcControlGroupTest::kNames[] = {
    {kFreeDraw, "TEST_FREE_DRAW"},    {kReset1, "CRIP_RESET1_BTN"},
    {kReset2, "CRIP_RESET2_BTN"},     {kOutKnob, "CRIP_OUT_KNOB"},
    {kOutDisplay, "CRIP_OUT_DSPY"},   {kF1Knob + 0, "CRIP_F1_KNOB"},
    {kF1Knob + 1, "CRIP_F2_KNOB"},    {kF1Knob + 2, "CRIP_F3_KNOB"},
    {kF1Knob + 3, "CRIP_F4_KNOB"},    {kF1Knob + 4, "CRIP_F5_KNOB"},
    {kF1Knob + 5, "CRIP_F6_KNOB"},    {kF1Knob + 6, "CRIP_F7_KNOB"},
    {kF1Knob + 7, "CRIP_F8_KNOB"},    {kF1Knob + 8, "CRIP_F9_KNOB"},
    {kF1Display + 0, "CRIP_F1_DSPY"}, {kF1Display + 1, "CRIP_F2_DSPY"},
    {kF1Display + 2, "CRIP_F3_DSPY"}, {kF1Display + 3, "CRIP_F4_DSPY"},
    {kF1Display + 4, "CRIP_F5_DSPY"}, {kF1Display + 5, "CRIP_F6_DSPY"},
    {kF1Display + 6, "CRIP_F7_DSPY"}, {kF1Display + 7, "CRIP_F8_DSPY"},
    {kF1Display + 8, "CRIP_F9_DSPY"}, {kX1Knob + 0, "CRIP_X1_KNOB"},
    {kX1Knob + 1, "CRIP_X2_KNOB"},    {kX1Knob + 2, "CRIP_X3_KNOB"},
    {kX1Knob + 3, "CRIP_X4_KNOB"},    {kX1Knob + 4, "CRIP_X5_KNOB"},
    {kX1Knob + 5, "CRIP_X6_KNOB"},    {kX1Knob + 6, "CRIP_X7_KNOB"},
    {kX1Knob + 7, "CRIP_X8_KNOB"},    {kX1Knob + 8, "CRIP_X9_KNOB"},
    {kX1Display + 0, "CRIP_X1_DSPY"}, {kX1Display + 1, "CRIP_X2_DSPY"},
    {kX1Display + 2, "CRIP_X3_DSPY"}, {kX1Display + 3, "CRIP_X4_DSPY"},
    {kX1Display + 4, "CRIP_X5_DSPY"}, {kX1Display + 5, "CRIP_X6_DSPY"},
    {kX1Display + 6, "CRIP_X7_DSPY"}, {kX1Display + 7, "CRIP_X8_DSPY"},
    {kX1Display + 8, "CRIP_X9_DSPY"}, {kC1Knob + 0, "CRIP_C1_KNOB"},
    {kC1Knob + 1, "CRIP_C2_KNOB"},    {kC1Knob + 2, "CRIP_C3_KNOB"},
    {kC1Knob + 3, "CRIP_C4_KNOB"},    {kC1Knob + 4, "CRIP_C5_KNOB"},
    {kC1Knob + 5, "CRIP_C6_KNOB"},    {kC1Knob + 6, "CRIP_C7_KNOB"},
    {kC1Knob + 7, "CRIP_C8_KNOB"},    {kC1Knob + 8, "CRIP_C9_KNOB"},
    {kC1Display + 0, "CRIP_C1_DSPY"}, {kC1Display + 1, "CRIP_C2_DSPY"},
    {kC1Display + 2, "CRIP_C3_DSPY"}, {kC1Display + 3, "CRIP_C4_DSPY"},
    {kC1Display + 4, "CRIP_C5_DSPY"}, {kC1Display + 5, "CRIP_C6_DSPY"},
    {kC1Display + 6, "CRIP_C7_DSPY"}, {kC1Display + 7, "CRIP_C8_DSPY"},
    {kC1Display + 8, "CRIP_C9_DSPY"}, {kHdSubIn, "HDO_BCLP_SUBIN"},
    {kHdSubTrim, "HDO_BCLP_SUBINP"},  {kHdSubRange, "HDO_BCLP_SUBRNG"},
    {kFmSubIn, "FMO_BCLP_SUBIN"},     {kFmSubTrim, "FMO_BCLP_SUBINP"},
    {kFmSubRange, "FMO_BCLP_SUBRNG"}, {kSizzlerIn, "SIZZLER_I"},
    {kSizzlerLevel, "SIZZLER_L"},     {0, nullptr},
};

tcControlGroupTest::tcControlGroupTest(tcAPBench* bench) : tcControlGroup(bench, kNames) {
  setTables(kSwitches, kValues, kKnobs.data());
  refreshAll();
}

tcControlGroupTest::~tcControlGroupTest() = default;

void tcControlGroupTest::refreshAll() {
  tcPageSetup::refreshTables(*this);
}

void tcControlGroupTest::resetToDefaults(uint16_t first, int count) {
  SETTINGS* set = liveSet();
  if (!set) return;
  for (int n = 0; n < count; ++n) {
    const auto id = static_cast<uint16_t>(first + n);
    writeParam(id, set->eng_to_raw(id, set->float_default(id)));
  }
  // Console writes are not reported back to the panel.
  refreshKnobs();
}

void tcControlGroupTest::onButton(int id) {
  if (id == kReset1) {
    resetToDefaults(kFirstF, kDigits);
    resetToDefaults(kFirstX, kDigits);
  } else if (id == kReset2) {
    resetToDefaults(kFirstC, kDigits);
    resetToDefaults(kOutParam, 1);
  }
}
