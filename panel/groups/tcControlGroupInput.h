#pragma once
// The input page: source and digital input selection, input gains, the sum
// and difference high-pass filters, automatic mono, fail-over, the VOX
// controls (engineering mode only) and the input status lamps.
#include "panel/framework/tcControlGroup.h"

class tcControlGroupInput : public tcControlGroup {
  Q_OBJECT

 public:
  enum Control {
    kFreeDraw = 2001,
    kSource = 2002,
    kSourceAnalog = 2003,
    kSourceDigital = 2004,
    kDigital = 2005,
    kDigitalAes = 2006,
    kDigitalSvip = 2007,
    kAnalogGainKnob = 2012,
    kAnalogGainDisplay = 2013,
    kDigitalGainKnob = 2018,
    kDigitalGainDisplay = 2019,
    kOffsetKnob = 2020,
    kOffsetDisplay = 2025,
    kHpfStereo = 2026,
    kHpfSumIn = 2027,
    kHpfDiffIn = 2028,
    kHpfSumKnob = 2029,
    kHpfSumDisplay = 2030,
    kHpfDiffKnob = 2031,
    kHpfDiffDisplay = 2032,
    kSymmetry = 2033,
    kAutoMonoIn = 2034,
    kAutoMonoKnob = 2035,
    kAutoMonoDisplay = 2036,
    kCrashLimiter = 2037,  // bound, but no skin name carries it
    kFailover = 2038,
    kAnalogLamp = 2039,
    kDigitalLamp = 2040,
    kVoxGroup = 2050,
    kVoxCouple = 2051,
    kVoxMonoSense = 2052,
    kVoxConverge = 2053,
    kVoxDiverge = 2054,
  };
  static constexpr uint16_t kHpfStereoParam = 0x100C;
  static constexpr uint16_t kSourceGlobal = 0x3000;
  static constexpr uint16_t kDigitalGlobal = 0x3001;
  // Record bytes of the analog and digital input status.
  static constexpr size_t kAnalogStatusByte = 44;
  static constexpr size_t kDigitalStatusByte = 45;
  static const NameRow kNames[];

  explicit tcControlGroupInput(tcAPBench* bench);
  ~tcControlGroupInput() override;

  void refreshAll() override;
  void onParameterChanged(uint16_t id, int set_index) override;
  void onGlobalChanged(uint16_t id) override;
  void onMeterRecord(const tcMeterRecord& record) override;
  void afterShow() override;
  void setSwitch(int id, int state) override;
  void onRadioSelected(int id, int item) override;

 private:
  // Both radio groups from their globals.
  void selectSources();
  // The filter labels and which filter controls show, and the VOX controls.
  void applyVisibility();

  int records_ = 0;
};
