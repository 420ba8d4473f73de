#pragma once
// The FM output page: the FM final limiter, pre-emphasis and its position, the
// output delay, the AES output, the bass clipper and the FM multiband limiter
// with its band graph and coupling.
#include "panel/groups/tcControlGroupMBLim.h"

class tcControlGroupFMOut : public tcControlGroupMBLim {
  Q_OBJECT

 public:
  enum Control {
    kFreeDraw = 11001,
    kMasterKnob = 11002,
    kMasterDisplay = 11003,
    kLimEnable = 11004,
    kLimThrKnob = 11005,
    kLimThrDisplay = 11006,
    kLimAtkKnob = 11007,
    kLimAtkDisplay = 11008,
    kLimRlsKnob = 11009,
    kLimRlsDisplay = 11010,
    kLimRllKnob = 11011,
    kLimRllDisplay = 11012,
    kEmphasis = 11013,
    kEmphasisFlat = 11015,
    kPreEmphasis50 = 11016,
    kPreEmphasis75 = 11017,
    kDelayCoarse = 11018,
    kDelayFine = 11019,
    kDelayDisplay = 11020,
    kLimClip = 11022,
    kGraph = 11023,
    kLimLink = 11024,
    kLimLong = 11025,
    kEmphasisPos = 11026,
    kEmphasisPosPreMb = 11027,
    kEmphasisPosPreLim = 11028,
    kEmphasisPosPost = 11029,
    kMbEnable = 11030,
    kMbDriveKnob = 11031,
    kMbDriveDisplay = 11032,
    kMbCouplingW = 11033,
    kMbCouplingT = 11034,
    kMbKnee = 11035,
    kMbType = 11036,
    kMbTypeThr = 11037,
    kMbTypeAtt = 11038,
    kMbTypeRel = 11039,
    kMbTypeCoupling = 11040,
    kMbTypeEq = 11041,
    kMbTypeAutoEq = 11042,
    kAesGainKnob = 11043,
    kAesGainDisplay = 11044,
    kAesDeEmphasis = 11045,
    kAesPreDelay = 11046,
    kBassDrive = 11047,
    kBassStroke = 11048,
    kBassTrim = 11050,
    kBassFreq = 11051,
    kBassTexture = 11052,
    kBassSubOn = 11053,
    kDigitalOutput = 11055,
  };

  static constexpr uint16_t kEmphasisParam = 0x1613;
  static constexpr uint16_t kEmphasisPosParam = 0x160A;
  static constexpr uint16_t kCouplingParam = 0x1503;
  // Bits of the coupling parameter.
  static constexpr uint32_t kCouplingWBit = 1;
  static constexpr uint32_t kCouplingTBit = 2;
  // Output delay: a global in tenths of a millisecond, set by a coarse slider
  // in steps of kDelayStep and a fine slider.
  static constexpr uint16_t kDelayGlobal = 0x2001;
  static constexpr int kDelayStep = 500;
  static constexpr int kDelayCoarseMax = 200;
  static constexpr int kDelayFineMax = kDelayStep - 1;
  static constexpr uint32_t kDelayMax = 100000;

  static const NameRow kNames[];

  explicit tcControlGroupFMOut(tcAPBench* bench);
  ~tcControlGroupFMOut() override;

  void refreshAll() override;
  void onParameterChanged(uint16_t id, int set_index) override;
  void onGlobalChanged(uint16_t id) override;
  void setKnob(int id, int raw) override;
  void setSwitch(int id, int state) override;
  void onButton(int id) override;
  void onRadioSelected(int id, int index) override;
  void onDisplayText(int id, const tcString& text) override;

  // The delay value of two slider positions, limited to kDelayMax.
  static uint32_t delayOf(int coarse, int fine);

 private:
  void writeDelay(uint32_t tenths);
  void showDelay();
  void showCouplingBoxes();
  void showEmphasis();
  void writeChoice(const tcRadioRow& row);
};
