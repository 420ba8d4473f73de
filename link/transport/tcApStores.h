#pragma once
// The process-wide stores the main window creates after the application objects
// and before the skin, in their start-up order: preset grabber and pusher, the
// change records, the global store, the 8 live banks, the quick-save store, the
// meter listener; beside them what the link fills (preset directory, version and
// MAC records, event list). Destroyed newest first. The main window and the
// in-memory consoles of the tests build the same wiring from here.
#include <QString>
#include <memory>

#include "link/protocol/tcEventList.h"
#include "link/transport/tcDeviceInfo.h"
#include "link/transport/tcLinkSignals.h"
#include "link/transport/tcLinkStores.h"
#include "link/transport/tcMeterIface.h"
#include "link/transport/tcPresetDirectory.h"
#include "link/transport/tcPresetGrabber.h"
#include "params/GLOBALS.h"
#include "params/SETTINGS.h"
#include "params/tcChangeRouter.h"
#include "params/tcGlobalsDirty.h"
#include "params/tcLiveSettings.h"
#include "params/tcLiveSettingsDirty.h"
#include "params/tcQuickSave.h"

class tcApStores {
 public:
  static constexpr int kLiveBanks = 8;

  // Whether a UDP meter listener is started (it binds a port of its own).
  enum class Meters { kListen, kNone };

  // `hooks` receive the routed change reports (under the store locks).
  tcApStores(const QString& presets_dir, const tcChangeRouter::Hooks& hooks,
             Meters meters = Meters::kListen);
  ~tcApStores();
  tcApStores(const tcApStores&) = delete;
  tcApStores& operator=(const tcApStores&) = delete;

  // What every link of this window works on.
  tcLinkStores link_stores();

  tcPresetGrabber& fetch() { return fetch_; }
  tcPresetGrabber& push() { return push_; }
  SETTINGS& grab_set() { return *grab_set_; }
  tcLiveSettingsDirty& bank_send() { return bank_send_; }
  tcLiveSettingsDirty& bank_panel() { return bank_panel_; }
  tcGlobalsDirty& globals_send() { return globals_send_; }
  tcGlobalsDirty& globals_panel() { return globals_panel_; }
  GLOBALS& globals() { return *globals_; }
  tcLiveSettings& banks() { return *banks_; }
  tcQuickSave& quick_save() { return *quick_save_; }
  // The meter listener; none with Meters::kNone.
  tcMeterIface* meters() { return meters_.get(); }
  tcPresetDirectory& directory() { return directory_; }
  tcDeviceInfo& device_info() { return device_info_; }
  tcEventList& events() { return events_; }
  tcLinkSignals& link_signals() { return link_signals_; }

 private:
  tcPresetDirectory directory_;
  tcDeviceInfo device_info_;
  tcEventList events_;
  tcLinkSignals link_signals_;

  // The grabber's own spare set reports nothing.
  std::unique_ptr<SETTINGS> grab_set_;
  tcPresetGrabber fetch_;
  tcPresetGrabber push_;
  tcLiveSettingsDirty bank_send_{1};
  tcLiveSettingsDirty bank_panel_{1};
  tcGlobalsDirty globals_send_;
  tcGlobalsDirty globals_panel_;
  tcChangeRouter router_;
  std::unique_ptr<GLOBALS> globals_;
  std::unique_ptr<tcLiveSettings> banks_;
  std::unique_ptr<tcQuickSave> quick_save_;
  std::unique_ptr<tcMeterIface> meters_;
};
