#pragma once
// The system page: the window's dialogs (skin, passwords, GUI access and lock,
// event schedule, clock), the follow-up of settings, the headphone source, the
// meter transport, and the processor's temperature and input lamps.
#include "panel/framework/tcControlGroup.h"

class tcControlGroupSystem : public tcControlGroup {
  Q_OBJECT

 public:
  enum Control {
    kFreeDraw = 9001,
    kSystemFollow = 9002,
    kPasswords = 9003,
    kGuiAccess = 9004,
    kGuiLock = 9005,
    kSkin = 9006,
    kEventSched = 9007,
    kTimeSet = 9008,
    kHeadphoneSource = 9009,
    kStatusTemp = 9010,
    kStatusAnalog = 9011,
    kStatusDigital = 9012,
    kTcpMeters = 9013,
  };

  // Meter record bytes: the temperature (a little-endian float) and the inputs.
  static constexpr size_t kTemperatureOffset = 40;
  static constexpr size_t kAnalogOffset = 44;
  static constexpr size_t kDigitalOffset = 45;
  // Above this many degrees the temperature lamp warns.
  static constexpr float kHotCelsius = 50.0f;
  static constexpr const char* kUnknownTemp = "Temp. ????";

  static const NameRow kNames[];

  explicit tcControlGroupSystem(tcAPBench* bench);
  ~tcControlGroupSystem() override;

  void refreshAll() override;
  void onMeterRecord(const tcMeterRecord& record) override;
  void onButton(int id) override;
  void setSwitch(int id, int state) override;
  void fillListItems(int id) override;

  // The temperature lamp's state and text for a reading.
  static int temperatureState(float celsius);
  static tcString temperatureText(float celsius);

 private:
  void showLamps(const tcMeterRecord& record);

  int records_ = 0;  // meter records since the lamps were last set
};
