#pragma once
// A set of the 457 preset parameters. Stand-alone sets (quick save, file dialogs,
// the preset grabber) have no callback and index 0, so their changes go unreported.
#include "params/tcSettings.h"

class SETTINGS : public tcSettings {
 public:
  explicit SETTINGS(Callback callback = nullptr, void* context = nullptr, uint16_t set_index = 0);

  void reset(uint32_t mask) override;
  void reset_fine_adjust(int source) override;
};
