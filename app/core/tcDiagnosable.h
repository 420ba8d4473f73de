#pragma once
// An object that can describe itself to a diagnostic listing of live objects.
#include "app/core/tcString.h"

class tcDiagnosable {
 public:
  virtual ~tcDiagnosable() = default;
  virtual tcString identifier() const = 0;
  virtual tcString description() const = 0;
  virtual tcString state() const = 0;
};
