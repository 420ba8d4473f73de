#pragma once
// What the link works on. The main window owns all of it and keeps it alive
// longer than any link; a missing part (nullptr) makes the messages that need
// it do nothing.
class GLOBALS;
class tcDeviceInfo;
class tcEventList;
class tcGlobalsDirty;
class tcLinkSignals;
class tcLiveSettings;
class tcLiveSettingsDirty;
class tcMeterIface;
class tcPresetDirectory;
class tcPresetGrabber;

struct tcLinkStores {
  tcLiveSettings* banks = nullptr;
  tcLiveSettingsDirty* bank_send = nullptr;  // the send record of the banks
  GLOBALS* globals = nullptr;
  tcPresetDirectory* directory = nullptr;
  tcDeviceInfo* device = nullptr;
  tcEventList* events = nullptr;
  tcMeterIface* meters = nullptr;
  tcPresetGrabber* fetch = nullptr;  // grab_preset's
  tcPresetGrabber* push = nullptr;   // push_preset's
  tcLinkSignals* link_signals = nullptr;
};
