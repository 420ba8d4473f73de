#include "params/tcGlobals.h"

tcMutex& tcGlobals::lock() {
  static tcMutex mutex;
  return mutex;
}

tcGlobals::tcGlobals(const tcParamTable& table, Callback callback, void* context)
    : tcParamStore(table, lock()), callback_(callback), context_(context) {}

void tcGlobals::set_callback(Callback callback, void* context) {
  tcMutexHold hold(mutex());
  callback_ = callback;
  context_ = context;
}

void tcGlobals::changed(uint16_t id, int source) {
  if (callback_) callback_(context_, id, source);
}
