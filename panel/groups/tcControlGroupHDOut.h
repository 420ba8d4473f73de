#pragma once
// The HD output page: the HD final limiter, the bass clipper, the output
// level and polarity, and the HD multiband limiter with its band graph.
#include "panel/groups/tcControlGroupMBLim.h"

class tcControlGroupHDOut : public tcControlGroupMBLim {
  Q_OBJECT

 public:
  enum Control {
    kFreeDraw = 8001,
    kMasterKnob = 8004,
    kMasterDisplay = 8005,
    kLevelKnob = 8006,
    kLevelDisplay = 8007,
    kLimEnable = 8008,
    kLimThrKnob = 8009,
    kLimThrDisplay = 8010,
    kLimAttKnob = 8011,
    kLimAttDisplay = 8012,
    kLimRlsKnob = 8013,
    kLimRlsDisplay = 8014,
    kLimRllKnob = 8015,
    kLimRllDisplay = 8016,
    kLimLong = 8017,
    kLimLink = 8018,
    kPhase = 8019,
    kSwap = 8020,
    kLimClip = 8021,
    kMbEnable = 8022,
    kMbDriveKnob = 8023,
    kMbDriveDisplay = 8024,
    kMbKnee = 8025,
    kMbType = 8026,
    kMbTypeThr = 8027,
    kMbTypeAtt = 8028,
    kMbTypeRel = 8029,
    kMbTypeEq = 8030,
    kBassDrive = 8031,
    kBassStroke = 8032,
    kBassTrim = 8033,
    kBassFreq = 8034,
    kBassTexture = 8035,
    kBassSubOn = 8036,
  };

  static const NameRow kNames[];

  explicit tcControlGroupHDOut(tcAPBench* bench);
  ~tcControlGroupHDOut() override;
};
