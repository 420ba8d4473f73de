#include "presets/dialogs/tcPresetContext.h"

#include "app/core/tcOptions.h"
#include "link/devices/tcDeviceList.h"

tcDeviceEntry* tcPresetContext::device() const {
  return devices ? devices->current() : nullptr;
}

bool tcPresetContext::guru() const {
  return options && options->guru();
}

bool tcPresetContext::tech() const {
  return options && options->tech_mode();
}
