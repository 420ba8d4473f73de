#pragma once
// The factory test page: the clipper's output and its nine F, X and C
// coefficients, the bass clippers' sub-harmonic trims and the sizzler.
#include "panel/framework/tcControlGroup.h"

class tcControlGroupTest : public tcControlGroup {
  Q_OBJECT

 public:
  enum Control {
    kFreeDraw = 4001,
    kReset1 = 4002,
    kReset2 = 4003,
    kOutKnob = 4005,
    kOutDisplay = 4006,
    kF1Knob = 4007,     // F knobs 4007 to 4015
    kF1Display = 4016,  // F displays 4016 to 4024
    kX1Knob = 4025,     // X knobs 4025 to 4033
    kX1Display = 4034,  // X displays 4034 to 4042
    kC1Knob = 4043,     // C knobs 4043 to 4051
    kC1Display = 4052,  // C displays 4052 to 4060
    kHdSubIn = 4061,
    kHdSubTrim = 4062,
    kHdSubRange = 4063,
    kFmSubIn = 4064,
    kFmSubTrim = 4065,
    kFmSubRange = 4066,
    kSizzlerIn = 4070,
    kSizzlerLevel = 4071,
  };
  static constexpr int kDigits = 9;
  // The clipper's parameters: the output, then per digit n (1 to 9) the F, X
  // and C coefficients at the first id + n - 1.
  static constexpr uint16_t kOutParam = 0x1901;
  static constexpr uint16_t kFirstF = 0x1910;
  static constexpr uint16_t kFirstX = 0x1920;
  static constexpr uint16_t kFirstC = 0x1930;

  static const NameRow kNames[];

  explicit tcControlGroupTest(tcAPBench* bench);
  ~tcControlGroupTest() override;

  void refreshAll() override;
  // Reset 1 puts the F and X coefficients back to their defaults, reset 2 the
  // C coefficients and the output.
  void onButton(int id) override;

 private:
  void resetToDefaults(uint16_t first, int count);
};
