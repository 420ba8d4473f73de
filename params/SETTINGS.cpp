#include "params/SETTINGS.h"

SETTINGS::SETTINGS(Callback callback, void* context, uint16_t set_index)
    : tcSettings(tcParamTable::presets(), callback, context, set_index) {}

void SETTINGS::reset(uint32_t mask) {
  tcMutexHold hold(mutex());
  for (int i = 0; i < table().count(); ++i)
    if (passes(table().rows()[i], mask)) map_at(i)->reset();
}

void SETTINGS::reset_fine_adjust(int source) {
  tcMutexHold hold(mutex());
  for (uint16_t id = tcParamTable::kFineAdjustFirst; id <= tcParamTable::kFineAdjustLast; ++id) {
    MAP_INT* m = int_map(id);
    if (!m) continue;
    m->reset();
    // Reported even when unchanged: the panel redraws the fine-adjust row from this.
    report(id, source);
  }
}
