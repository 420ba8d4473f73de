#pragma once
// Changing the processor's login password: the change-mode password entry,
// checked against the processor's present code (global RemotePw); the new code
// goes to the processor and, when asked for, becomes the device's remembered
// login code. GUI thread only.
#include <cstdint>

class GLOBALS;
class QWidget;
class tcDeviceList;
class tcOptions;

class tcRemotePassword {
 public:
  static constexpr uint16_t kRemotePwId = 0x2008;

  // True when a new password was set.
  static bool run_change(QWidget* parent, tcOptions& options, GLOBALS& globals,
                         tcDeviceList& devices);
};
