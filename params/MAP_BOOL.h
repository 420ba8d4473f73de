#pragma once
// Switch parameter: 0 or 1, shown through a pair of labels ("Out"/"In" by default).
#include "params/MAP_TYPE.h"

class MAP_BOOL : public MAP_TYPE {
 public:
  MAP_BOOL(uint16_t id, uint8_t def, const char* name);
  // labels[0] for 0, labels[1] for 1; static data that must outlive the map.
  MAP_BOOL(uint16_t id, uint8_t def, const char* const* labels, const char* name);

  int type() const override { return kBool; }
  // Any non-zero value stores 1.
  bool set_raw(uint32_t raw) override;
  uint32_t raw() const override { return value_; }
  uint32_t raw_min() const override { return 0; }
  uint32_t raw_max() const override { return 1; }
  bool reset() override;
  // The first label for 0, the second for any other value.
  tcString format_raw(uint32_t raw) const override;

  uint8_t value() const { return value_; }
  uint8_t default_value() const { return default_; }
  const char* label(int which) const { return labels_[which ? 1 : 0]; }

 protected:
  bool floating() const override { return false; }

 private:
  uint8_t value_;
  uint8_t default_;
  const char* const* labels_;
};
