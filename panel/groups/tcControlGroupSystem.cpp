#include "panel/groups/tcControlGroupSystem.h"

#include <cmath>

#include "app/core/tcLeBytes.h"
#include "app/core/tcOptions.h"
#include "link/protocol/tcMeterRecord.h"
#include "panel/groups/tcInputLamp.h"
#include "panel/groups/tcPageSetup.h"

namespace {

using G = tcControlGroupSystem;

constexpr uint16_t kFollowGlobal = 0x2000;
constexpr uint16_t kHeadphoneGlobal = 0x2002;
constexpr const char* kAnalogLamp = "Analog";
constexpr const char* kDigitalLamp = "Digital";

const tcControlGroup::SwitchRow kSwitches[] = {
    {G::kSystemFollow, 0, kFollowGlobal},
    {tcControlGroup::kEnd, 0, 0},
};

const tcControlGroup::ValueRow kValues[] = {
    {G::kHeadphoneSource, kHeadphoneGlobal, 0, nullptr},
    {tcControlGroup::kEnd, 0, 0, nullptr},
};

// What the headphones hear.
const char* const kHeadphoneItems[] = {"FM", "HD", "Input", nullptr};
const tcListItems kLists[] = {{G::kHeadphoneSource, kHeadphoneItems}, {0, nullptr}};

// Buttons that open a dialog of the window.
struct SignalRow {
  int button;
  void (tcControlGroup::*signal)();
};
const SignalRow kSignals[] = {
    {G::kPasswords, &tcControlGroup::sig_password},
    {G::kGuiAccess, &tcControlGroup::sig_gui_access},
    {G::kGuiLock, &tcControlGroup::sig_gui_lock},
    {G::kSkin, &tcControlGroup::sig_choose_skin},
    {G::kEventSched, &tcControlGroup::sig_event_dlg},
    {G::kTimeSet, &tcControlGroup::sig_time_set},
};

}  // namespace

const tcControlGroup::NameRow tcControlGroupSystem::kNames[] = {
    {kFreeDraw, "SYS_FREE_DRAW"},   {kSystemFollow, "SYSTEM_FOLLOW"},
    {kTcpMeters, "TCP_METERS"},     {kSkin, "SKIN"},
    {kPasswords, "PASSWORDS"},      {kGuiAccess, "GUIACCESS"},
    {kGuiLock, "GUILOCK"},          {kEventSched, "EVENTSCHED"},
    {kTimeSet, "TIME_SET"},         {kHeadphoneSource, "HDPN_SRC"},
    {kStatusTemp, "STATUS_TEMP"},   {kStatusAnalog, "STATUS_ANA"},
    {kStatusDigital, "STATUS_DIG"}, {0, nullptr},
};

tcControlGroupSystem::tcControlGroupSystem(tcAPBench* bench) : tcControlGroup(bench, kNames) {
  setTables(kSwitches, kValues, nullptr);
  tcPageSetup::fillLists(*this, kLists);
  // Until the processor reports, the lamps are unknown.
  setState(kStatusTemp, tcInputLamp::kUnknown);
  setText(kStatusTemp, kUnknownTemp);
  setState(kStatusAnalog, tcInputLamp::kUnknown);
  setText(kStatusAnalog, kAnalogLamp);
  setState(kStatusDigital, tcInputLamp::kUnknown);
  setText(kStatusDigital, kDigitalLamp);
  refreshAll();
}

tcControlGroupSystem::~tcControlGroupSystem() = default;

void tcControlGroupSystem::fillListItems(int id) {
  tcPageSetup::fillList(*this, kLists, id);
}

void tcControlGroupSystem::refreshAll() {
  tcPageSetup::refreshTables(*this);
  const tcOptions* o = options();
  setState(kTcpMeters, o && o->tcp_meters() > 0 ? 1 : 0);
}

void tcControlGroupSystem::onButton(int id) {
  for (const SignalRow& row : kSignals) {
    if (row.button == id) {
      emit(this->*row.signal)();
      return;
    }
  }
}

void tcControlGroupSystem::setSwitch(int id, int state) {
  if (id != kTcpMeters) {
    tcControlGroup::setSwitch(id, state);
    return;
  }
  setState(kTcpMeters, state);
  tcOptions* o = options();
  if (!o || (o->tcp_meters() > 0) == (state != 0)) return;
  // The window asks for meters again over the new transport.
  o->set_tcp_meters(state != 0 ? 1 : 0);
  emit sig_request_meters();
}

int tcControlGroupSystem::temperatureState(float celsius) {
  if (!std::isfinite(celsius)) return tcInputLamp::kUnknown;
  return celsius > kHotCelsius ? 1 : 0;
}

tcString tcControlGroupSystem::temperatureText(float celsius) {
  if (!std::isfinite(celsius)) return kUnknownTemp;
  tcString text;
  text.format("Temp. %0.1f C", static_cast<double>(celsius));
  return text;
}

void tcControlGroupSystem::onMeterRecord(const tcMeterRecord& record) {
  if (++records_ < tcInputLamp::kRecordsPerUpdate) return;
  records_ = 0;
  showLamps(record);
}

void tcControlGroupSystem::showLamps(const tcMeterRecord& record) {
  const float celsius = tcLeBytes::get_f32(record.bytes() + kTemperatureOffset);
  setText(kStatusTemp, temperatureText(celsius));
  setState(kStatusTemp, temperatureState(celsius));
  tcInputLamp::show(*this, kStatusAnalog, kAnalogLamp, record.byte(kAnalogOffset));
  tcInputLamp::show(*this, kStatusDigital, kDigitalLamp, record.byte(kDigitalOffset));
}
