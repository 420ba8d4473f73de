#pragma once
// A change-flag set over the global parameters (the console keeps a send set and a
// panel set).
#include "params/tcChangeFlags.h"

class tcGlobalsDirty : public tcChangeFlags {
 public:
  tcGlobalsDirty() : tcChangeFlags(tcParamTable::globals()) {}
};
