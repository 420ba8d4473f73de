#pragma once
// Acts on a change's source code: 2 marks it for sending, 3 for the panel, 4 for both,
// 0 and 1 nothing. Flags go into the change records (for preset sets only those with
// a record), then the matching hook runs for every set index. Installed as the change
// callback of tcLiveSettings and GLOBALS; runs under their store lock.
#include <cstdint>

#include "params/tcGlobalsDirty.h"
#include "params/tcLiveSettingsDirty.h"

class tcChangeRouter {
 public:
  // Any hook may be nullptr. They run under the store lock: post queued signals only.
  struct Hooks {
    void* context = nullptr;
    // Before the send flag of a console change (source 2) to a preset set.
    void (*console_edit)(void* context, uint16_t set_index) = nullptr;
    void (*settings_send)(void* context, uint16_t set_index) = nullptr;
    void (*settings_panel)(void* context, uint16_t set_index) = nullptr;
    void (*globals_send)(void* context) = nullptr;
    void (*globals_panel)(void* context) = nullptr;
  };

  tcChangeRouter(tcLiveSettingsDirty& settings_send, tcLiveSettingsDirty& settings_panel,
                 tcGlobalsDirty& globals_send, tcGlobalsDirty& globals_panel);

  void set_hooks(const Hooks& hooks) { hooks_ = hooks; }

  void settings_changed(uint16_t id, uint16_t set_index, int source);
  void globals_changed(uint16_t id, int source);

  // Trampolines for tcSettings::Callback / tcGlobals::Callback; context is the router.
  static void on_settings(void* router, uint16_t id, uint16_t set_index, int source);
  static void on_globals(void* router, uint16_t id, int source);

 private:
  tcLiveSettingsDirty& settings_send_;
  tcLiveSettingsDirty& settings_panel_;
  tcGlobalsDirty& globals_send_;
  tcGlobalsDirty& globals_panel_;
  Hooks hooks_;
};
