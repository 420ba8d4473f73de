#include "params/tcChangeRouter.h"

#include "params/tcParamStore.h"

namespace {
bool sends(int source) {
  return source == kSourceConsole || source == kSourceLoaded;
}
bool shows(int source) {
  return source == kSourceProcessor || source == kSourceLoaded;
}
}  // namespace

tcChangeRouter::tcChangeRouter(tcLiveSettingsDirty& settings_send,
                               tcLiveSettingsDirty& settings_panel, tcGlobalsDirty& globals_send,
                               tcGlobalsDirty& globals_panel)
    : settings_send_(settings_send),
      settings_panel_(settings_panel),
      globals_send_(globals_send),
      globals_panel_(globals_panel) {}

void tcChangeRouter::settings_changed(uint16_t id, uint16_t set_index, int source) {
  if (source == kSourceConsole && hooks_.console_edit)
    hooks_.console_edit(hooks_.context, set_index);
  if (sends(source)) {
    settings_send_.set(set_index, id);
    if (hooks_.settings_send) hooks_.settings_send(hooks_.context, set_index);
  }
  if (shows(source)) {
    settings_panel_.set(set_index, id);
    if (hooks_.settings_panel) hooks_.settings_panel(hooks_.context, set_index);
  }
}

void tcChangeRouter::globals_changed(uint16_t id, int source) {
  if (sends(source)) {
    globals_send_.set(id);
    if (hooks_.globals_send) hooks_.globals_send(hooks_.context);
  }
  if (shows(source)) {
    globals_panel_.set(id);
    if (hooks_.globals_panel) hooks_.globals_panel(hooks_.context);
  }
}

void tcChangeRouter::on_settings(void* router, uint16_t id, uint16_t set_index, int source) {
  static_cast<tcChangeRouter*>(router)->settings_changed(id, set_index, source);
}

void tcChangeRouter::on_globals(void* router, uint16_t id, int source) {
  static_cast<tcChangeRouter*>(router)->globals_changed(id, source);
}
