#pragma once
// The device-wide parameter store, under its own process-wide lock.
#include <cstdint>

#include "params/tcParamStore.h"

class tcGlobals : public tcParamStore {
 public:
  // Runs under the globals lock: set flags and post queued signals only.
  using Callback = void (*)(void* context, uint16_t id, int source);

  // The lock of the global store. Lock order as for tcSettings::lock().
  static tcMutex& lock();

  void set_callback(Callback callback, void* context);

 protected:
  tcGlobals(const tcParamTable& table, Callback callback, void* context);
  void changed(uint16_t id, int source) override;

 private:
  Callback callback_;
  void* context_;
};
