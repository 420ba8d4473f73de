#pragma once
// Every object the default skin must define, page by page, with the object
// kind its control group binds: the Main group's name table and each page
// group's name table, knob and display pairs, switches, lists, radio groups
// with their items, lamps, buttons and graphs.
#include <initializer_list>
#include <string>
#include <vector>

#include "skin/objects/tcGuiObject.h"

struct tcSkinName {
  std::string name;
  int kind;
};

struct tcSkinPage {
  const char* title;
  std::vector<tcSkinName> names;
};

// A named object group of the skin (a container), not an object of its own.
constexpr int kObjectGroup = 0;

namespace tcDefaultSkin {

using K = tcGuiObject;

class Builder {
 public:
  explicit Builder(const char* title) { page_.title = title; }
  Builder& add(int kind, std::initializer_list<const char*> names) {
    for (const char* n : names) page_.names.push_back({n, kind});
    return *this;
  }
  // A knob with the numeric display the group writes its value to.
  Builder& pairs(std::initializer_list<const char*> stems) {
    for (const char* s : stems) {
      page_.names.push_back({std::string(s) + "_KNOB", K::kKnob});
      page_.names.push_back({std::string(s) + "_DSPY", K::kDisplay});
    }
    return *this;
  }
  tcSkinPage done() const { return page_; }

 private:
  tcSkinPage page_;
};

inline std::vector<tcSkinPage> pages() {
  std::vector<tcSkinPage> p;
  p.push_back(Builder("main")
                  .add(K::kFrame, {"MAIN_FREE_DRAW"})
                  .add(K::kButton, {"SYS_ABOUT", "SYS_MINIMIZE", "SYS_EXIT"})
                  .add(K::kDisplay, {"STAT_ONLINE", "STAT_DEVICE", "STAT_PRESET"})
                  .add(K::kApGraph, {"GRAPH"})
                  .add(K::kButton, {"FLOW_INPUT", "FLOW_PEQ", "FLOW_COMP", "FLOW_FM_OUT",
                                    "FLOW_FM_PLEX", "FLOW_HD_OUT", "FLOW_SYSTEM", "FLOW_TEST"})
                  .add(K::kButton, {"SAVE", "TAKE", "QSAVEA", "QSAVEB", "QSAVEAB", "PRESETS",
                                    "DEVICES", "ANALYSIS"})
                  .add(K::kCheckBox, {"ONLINE"})
                  .add(K::kKnob, {"HDPN_KNOB"})
                  .done());
  p.push_back(
      Builder("input")
          .add(K::kFrame, {"INPUT_FREE_DRAW"})
          .add(K::kRadioGroup, {"INPUT_SRC", "INPUT_DIG"})
          .add(K::kRadioItem, {"INPUT_SRC_ANA", "INPUT_SRC_DIG", "INPUT_DIG_AES", "INPUT_DIG_SVIP"})
          .pairs({"INPUT_ANA_GAIN", "INPUT_DIG_GAIN", "INPUT_OFFSET", "INPUT_HPFS", "INPUT_HPFD",
                  "INPUT_AMONO_THR"})
          .add(K::kCheckBox,
               {"INPUT_HPF_STEREO", "INPUT_HPFS_IN", "INPUT_HPFD_IN", "INPUT_SYMMETRY",
                "INPUT_AMONO_IN", "INPUT_FAILOVER", "INPUT_VOX_COUPLE_IN", "INPUT_VOX_MONO_SENS"})
          .add(K::kLamp, {"INPUT_ANA_FAIL", "INPUT_DIG_FAIL"})
          .add(kObjectGroup, {"INPUT_VOX_GROUP"})
          .add(K::kCombo, {"INPUT_VOX_CONVERGE", "INPUT_VOX_DIVERGE"})
          .done());
  p.push_back(Builder("parametric")
                  .add(K::kFrame, {"PEQ_FREE_DRAW"})
                  .pairs({"PEQ1_F", "PEQ1_Q", "PEQ1_L", "PEQ2_F", "PEQ2_Q", "PEQ2_L", "PEQ3_F",
                          "PEQ3_Q", "PEQ3_L", "PEQ4_F", "PEQ4_Q", "PEQ4_L"})
                  .add(K::kCheckBox, {"PEQ_ENABLE", "DEQ_ENABLE", "DEQ_VIEW", "DEQ_SYNCH"})
                  .add(K::kRadioGroup, {"PEQ_POS"})
                  .add(K::kRadioItem, {"PEQ_POS_PRE", "PEQ_POS_PST"})
                  .pairs({"DEQ1_F", "DEQ1_Q", "DEQ1_L", "DEQ2_F", "DEQ2_Q", "DEQ2_L", "DEQ3_F",
                          "DEQ3_Q", "DEQ3_L", "DEQ4_F", "DEQ4_Q", "DEQ4_L"})
                  .done());
  p.push_back(
      Builder("compressor")
          .add(K::kFrame, {"COMP_FREE_DRAW"})
          .add(K::kCheckBox,
               {"COMP_AGC_ENABLE", "COMP_COMP_ENABLE", "SST_ENABLE_A", "SST_ENABLE_B"})
          .pairs({"COMP_DRV", "COMP_MSTR", "AGC_FRZDLY", "AGC_BKOFF", "SST_RAMP", "SST_WINDOW"})
          .add(K::kCombo,
               {"COMP_DMSTR", "AGC_HI_COUPLING", "AGC_LO_COUPLING", "AGC_FRZ_THR", "COMP_5XFR1",
                "COMP_5XFR2", "COMP_5XFR3", "COMP_5XFR4", "SST_DRIVE", "SST_FRZ_THR"})
          .add(K::kRadioGroup, {"AGC_FRZMOD", "COMP_TYPE"})
          .add(K::kRadioItem,
               {"AGC_FRZMOD_OOZE", "AGC_FRZMOD_GATE", "COMP_TYPE_A_ATT", "COMP_TYPE_A_REL",
                "COMP_TYPE_A_FRZ", "COMP_TYPE_C_THR", "COMP_TYPE_C_ATT", "COMP_TYPE_C_REL",
                "COMP_TYPE_C_RAT", "COMP_TYPE_C_OUT", "COMP_TYPE_C_DOUT"})
          .done());
  p.push_back(
      Builder("hd_out")
          .add(K::kFrame, {"HD_FREE_DRAW"})
          .pairs({"HD_MSTR", "HD_LEVEL", "HD_LIM_THR", "HD_LIM_ATT", "HD_LIM_RLS", "HD_LIM_RLL",
                  "HDO_MBLIM_DRV"})
          .add(K::kCheckBox, {"HD_LIM_ENABLE", "HD_LIM_LONG", "HD_LIM_LINK", "HD_PHASE", "HD_SWAP",
                              "HDO_MBLIM_ENABLE"})
          .add(K::kCombo, {"HD_LIM_CLIP", "HDO_MBLIM_KNEE", "HDO_BCLP_DRV", "HDO_BCLP_STROKE",
                           "HDO_BCLP_TRIM", "HDO_BCLP_FREQ", "HDO_BCLP_TXTR", "HDO_BCLP_SUBON"})
          .add(K::kRadioGroup, {"HDO_MBLIM_TYPE"})
          .add(K::kRadioItem, {"HDO_MBLIM_TYPE_THR", "HDO_MBLIM_TYPE_ATT", "HDO_MBLIM_TYPE_REL",
                               "HDO_MBLIM_TYPE_EQ"})
          .done());
  p.push_back(
      Builder("fm_out")
          .add(K::kFrame, {"FMO_FREE_DRAW"})
          // The band graph of the page's own.
          .add(K::kApGraph, {"FMO_GRAPH"})
          .pairs({"FMO_MSTR", "FMO_LIM_THR", "FMO_LIM_ATK", "FMO_LIM_RLS", "FMO_LIM_RLL",
                  "FMO_MBLIM_DRV", "FMO_AES_GAIN"})
          .add(K::kSlider, {"FMO_DELAY_C_KNOB", "FMO_DELAY_F_KNOB"})
          .add(K::kDisplay, {"FMO_DELAY_DSPY"})
          .add(K::kCheckBox,
               {"FMO_LIM_ENABLE", "FMO_LIM_LINK", "FMO_LIM_LONG", "FMO_MBLIM_ENABLE",
                "FMO_MBLIM_COUPLING_W", "FMO_MBLIM_COUPLING_T", "FMO_AES_DEEMPH", "FMO_AES_PDLY"})
          .add(K::kCombo, {"FMO_LIM_CLIP", "FMO_EMP_POS", "FMO_EMP", "FMO_MBLIM_KNEE",
                           "FMO_BCLP_DRV", "FMO_BCLP_STROKE", "FMO_BCLP_TRIM", "FMO_BCLP_FREQ",
                           "FMO_BCLP_TXTR", "FMO_BCLP_SUBON", "FMO_DIGITAL_OUTPUT"})
          .add(K::kLamp, {"FMO_EMP_POS_PREMB", "FMO_EMP_POS_PRELIM", "FMO_EMP_POS_POST",
                          "FMO_EMP_FLAT", "FMO_PREEMP_50", "FMO_PREEMP_75"})
          .add(K::kRadioGroup, {"FMO_MBLIM_TYPE"})
          .add(K::kRadioItem, {"FMO_MBLIM_TYPE_THR", "FMO_MBLIM_TYPE_ATT", "FMO_MBLIM_TYPE_REL",
                               "FMO_MBLIM_TYPE_COUPL", "FMO_MBLIM_TYPE_EQ", "FMO_MBLIM_TYPE_AVEQ"})
          .done());
  p.push_back(Builder("fm_plex")
                  .add(K::kFrame, {"FMP_FREE_DRAW"})
                  .pairs({"FMP_DRIVE", "FMP_PILOT", "FMP_SCA1", "FMP_SCA2", "FMP_TX1", "FMP_TX2",
                          "FMP_OUT", "FMP_TEST_OSC", "FMP_TEST_LVL"})
                  .add(K::kCheckBox, {"FMP_PILOT_ONLY", "FMP_TEST_OSC", "FMP_BS412_I"})
                  .add(K::kRadioGroup, {"FMP_ANALOG", "FMP_MPXPROC"})
                  .add(K::kRadioItem, {"FMP_ANALOG_MPX", "FMP_ANALOG_LR", "FMP_ANALOG_LRE",
                                       "FMP_MPXPROC_LOOK", "FMP_MPXPROC_HCLIP"})
                  .add(K::kCombo, {"FMP_SBMODE", "FMP_MPX_MODE", "FMP_PILOT_PHASE", "FMP_STW_LIM",
                                   "FMP_BS412_L"})
                  .done());
  p.push_back(
      Builder("system")
          .add(K::kFrame, {"SYS_FREE_DRAW"})
          .add(K::kCheckBox, {"SYSTEM_FOLLOW", "TCP_METERS"})
          .add(K::kButton, {"SKIN", "PASSWORDS", "GUIACCESS", "GUILOCK", "EVENTSCHED", "TIME_SET"})
          .add(K::kCombo, {"HDPN_SRC"})
          .add(K::kLamp, {"STATUS_TEMP", "STATUS_ANA", "STATUS_DIG"})
          .done());
  Builder test("test");
  test.add(K::kFrame, {"TEST_FREE_DRAW"})
      .add(K::kButton, {"CRIP_RESET1_BTN", "CRIP_RESET2_BTN"})
      .pairs({"CRIP_OUT"});
  for (const char* row : {"F", "X", "C"}) {
    for (int digit = 1; digit <= 9; ++digit) {
      const std::string stem = std::string("CRIP_") + row + std::to_string(digit);
      test.pairs({stem.c_str()});
    }
  }
  test.add(K::kCheckBox, {"HDO_BCLP_SUBIN", "FMO_BCLP_SUBIN", "SIZZLER_I"})
      .add(K::kCombo, {"HDO_BCLP_SUBINP", "HDO_BCLP_SUBRNG", "FMO_BCLP_SUBINP", "FMO_BCLP_SUBRNG",
                       "SIZZLER_L"});
  p.push_back(test.done());
  return p;
}

// Colours that the groups and graph draggers look up in the skin by name, and
// those the window gives the connection display.
inline std::vector<const char*> colour_names() {
  return {"PEQ1color",      "PEQ2color",      "PEQ3color",     "PEQ4color",     "PEQSUMcolor",
          "DEQ1color",      "DEQ2color",      "DEQ3color",     "DEQ4color",     "DEQSUMcolor",
          "MBLimitColor",   "MBClipColor",    "STATUS_ONLINE", "STATUS_TRYING", "STATUS_PENDING",
          "STATUS_OFFLINE", "STATUS_REJECTED"};
}

}  // namespace tcDefaultSkin
