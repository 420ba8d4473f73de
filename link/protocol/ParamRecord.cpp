#include "link/protocol/ParamRecord.h"

#include <cstring>

#include "app/core/tcLeBytes.h"

ParamRecord ParamRecord::of_float(uint16_t id, float engineering) {
  uint32_t bits;
  std::memcpy(&bits, &engineering, sizeof bits);
  return ParamRecord(id, bits);
}

ParamRecord ParamRecord::of_int(uint16_t id, uint32_t value) {
  return ParamRecord(id, value);
}

ParamRecord ParamRecord::of_switch(uint16_t id, bool on) {
  return ParamRecord(id, on ? 1u : 0u);
}

float ParamRecord::as_float() const {
  float value;
  std::memcpy(&value, &bits_, sizeof value);
  return value;
}

void ParamRecord::encode(uint8_t* out) const {
  tcLeBytes::put_u16(out + kIdOffset, id_);
  tcLeBytes::put_u16(out + kIdOffset + 2, 0);
  tcLeBytes::put_u32(out + kValueOffset, bits_);
}

ParamRecord ParamRecord::decode(const uint8_t* in) {
  return ParamRecord(tcLeBytes::get_u16(in + kIdOffset), tcLeBytes::get_u32(in + kValueOffset));
}
