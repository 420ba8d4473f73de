#pragma once
// Between a parameter store and its wire records: a float parameter travels as
// its engineering value (each side converts with the parameter's own map), an
// integer as its value, a switch as 0/1. Both ends of the link use it.
#include <cstdint>

#include "link/protocol/ParamRecord.h"

class tcParamStore;

class tcParamWire {
 public:
  // The record of a parameter's current value; false (record untouched) for an
  // id without a type in the store's table.
  static bool record_of(const tcParamStore& store, uint16_t id, ParamRecord& out);
  // Writes a received record into the store with the given change source; false
  // when the id has no type in the store's table (the record is skipped).
  static bool apply(tcParamStore& store, const ParamRecord& record, int source);
};
