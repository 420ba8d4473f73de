#include "params/GLOBALS.h"

GLOBALS::GLOBALS(Callback callback, void* context)
    : tcGlobals(tcParamTable::globals(), callback, context) {
  tcMutexHold hold(mutex());
  for (int i = 0; i < table().count(); ++i) map_at(i)->reset();
}
