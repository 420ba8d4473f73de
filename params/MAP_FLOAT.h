#pragma once
// Floating-point parameter. The raw value is either an index into an ascending value
// table (a parameter may use a slice of it) or a linear step count from the minimum.
#include "params/MAP_TYPE.h"

class MAP_FLOAT : public MAP_TYPE {
 public:
  // With a table, count is its entry count; without one (table nullptr), count is the
  // number of linear steps from minimum to maximum. The table is static data.
  MAP_FLOAT(uint16_t id, float def, float minimum, float maximum, const tcMapEntry* table,
            uint32_t count, const char* name);

  // Step count of a table-less parameter for a resolution of 1, 0.5, 0.1, 0.05 or 0.001,
  // the resolution taken as the 32-bit float widened to double.
  static uint32_t steps(float minimum, float maximum, float resolution);

  int type() const override { return kFloat; }
  bool set_raw(uint32_t raw) override;
  uint32_t raw() const override { return raw_; }
  uint32_t raw_min() const override { return raw_min_; }
  uint32_t raw_max() const override { return raw_max_; }
  bool reset() override { return set_raw(eng_to_raw(default_)); }
  // Table label, else the engineering value printed with the format ("%+4.1f" unless set).
  tcString format_raw(uint32_t raw) const override;

  // Nearest table entry (ties take the lower index) or nearest step, after clamping
  // the value into [minimum, maximum].
  uint32_t eng_to_raw(float value) const;
  // Engineering value of a raw value, clamped into the raw range first.
  float raw_to_eng(uint32_t raw) const;
  float eng() const { return raw_to_eng(raw_); }
  // Converts, clamps and stores; true when the stored raw value changed.
  bool set_eng(float value) { return set_raw(eng_to_raw(value)); }

  float default_eng() const { return default_; }
  float minimum() const { return minimum_; }
  float maximum() const { return maximum_; }
  const tcMapEntry* table() const { return table_; }
  uint32_t count() const { return count_; }
  // log2 of the table's entry count for 4 to 4096 entries, else 0.
  int exponent() const { return exponent_; }

 protected:
  bool floating() const override { return true; }

 private:
  uint32_t clamp(uint32_t raw) const;
  double linear_eng(uint32_t raw) const;
  uint32_t table_index(float value) const;

  uint32_t raw_ = 0;
  uint32_t raw_min_ = 0;
  uint32_t raw_max_ = 0;
  float default_;
  float minimum_;
  float maximum_;
  const tcMapEntry* table_;
  uint32_t count_;
  int exponent_ = 0;
};
