#pragma once
// The global parameters (input source, test oscillator, passwords, analysis selection).
#include "params/tcGlobals.h"

class GLOBALS : public tcGlobals {
 public:
  explicit GLOBALS(Callback callback = nullptr, void* context = nullptr);
};
