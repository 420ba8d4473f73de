#pragma once
// The stereo encoder page: composite drive, pilot, subcarrier and transmitter
// levels, the analog output and its mode, the multiplex processing and power
// limiting, and the test oscillator.
#include "panel/framework/tcControlGroup.h"

class tcControlGroupFMPlex : public tcControlGroup {
  Q_OBJECT

 public:
  enum Control {
    kFreeDraw = 11501,
    kDriveKnob = 11502,
    kDriveDisplay = 11503,
    kPilotKnob = 11504,
    kPilotDisplay = 11505,
    kSca1Knob = 11506,
    kSca1Display = 11507,
    kSca2Knob = 11508,
    kSca2Display = 11509,
    kTx1Knob = 11510,
    kTx1Display = 11511,
    kTx2Knob = 11512,
    kTx2Display = 11513,
    kOutKnob = 11514,
    kOutDisplay = 11515,
    kTestOsc = 11516,
    kTestOscKnob = 11517,
    kTestOscDisplay = 11518,
    kTestLevelKnob = 11519,
    kTestLevelDisplay = 11520,
    kAnalog = 11521,
    kAnalogMpx = 11522,
    kAnalogLr = 11523,
    kAnalogLre = 11524,
    kMpxMode = 11540,
    kPilotPhase = 11542,
    kMpxProc = 11543,
    kMpxProcLook = 11544,
    kMpxProcHClip = 11546,
    kStwLimiter = 11549,
    kPilotOnly = 11550,
    kBs412In = 11551,
    kBs412Level = 11552,
    kSidebandMode = 11553,
  };

  static constexpr uint16_t kAnalogParam = 0x1619;
  static constexpr uint16_t kMpxProcParam = 0x160B;

  static const NameRow kNames[];

  explicit tcControlGroupFMPlex(tcAPBench* bench);
  ~tcControlGroupFMPlex() override;

  void refreshAll() override;
  void onParameterChanged(uint16_t id, int set_index) override;
  void setKnob(int id, int raw) override;
  void setSwitch(int id, int state) override;
  void onRadioSelected(int id, int index) override;
  void onDisplayText(int id, const tcString& text) override;
  void fillListItems(int id) override;

 private:
  void showRadios();
};
