#include "link/protocol/tcParamWire.h"

#include "params/MAP_TYPE.h"
#include "params/tcParamStore.h"

bool tcParamWire::record_of(const tcParamStore& store, uint16_t id, ParamRecord& out) {
  switch (store.type(id)) {
    case MAP_TYPE::kFloat:
      out = ParamRecord::of_float(id, store.eng(id));
      return true;
    case MAP_TYPE::kInt:
      out = ParamRecord::of_int(id, store.int_value(id));
      return true;
    case MAP_TYPE::kBool:
      out = ParamRecord::of_switch(id, store.bool_value(id) != 0);
      return true;
    default:
      return false;
  }
}

bool tcParamWire::apply(tcParamStore& store, const ParamRecord& record, int source) {
  const uint16_t id = record.id();
  switch (store.type(id)) {
    case MAP_TYPE::kFloat:
      store.set_float(id, record.as_float(), source);
      return true;
    case MAP_TYPE::kInt:
      store.set_int(id, record.as_int(), source);
      return true;
    case MAP_TYPE::kBool:
      store.set_bool(id, record.as_switch() ? 1 : 0, source);
      return true;
    default:
      return false;
  }
}
