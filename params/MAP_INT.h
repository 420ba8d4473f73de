#pragma once
// Integer parameter: an unsigned 32-bit value within [minimum, maximum], shown through
// a label list, label records or a printf format ("%d" unless one is set).
#include "params/MAP_TYPE.h"

class MAP_INT : public MAP_TYPE {
 public:
  // The default is clamped into [minimum, maximum]; it is also the starting value.
  MAP_INT(uint16_t id, uint32_t def, uint32_t minimum, uint32_t maximum, const char* name);
  // Label list: text per value. Values at or beyond label_count show as numbers.
  // The labels are static data and must outlive the map.
  MAP_INT(uint16_t id, uint32_t def, uint32_t minimum, uint32_t maximum, const char* const* labels,
          uint32_t label_count, const char* name);
  // Label records: {engineering value, label} per value; same rule for the count.
  MAP_INT(uint16_t id, uint32_t def, uint32_t minimum, uint32_t maximum, const tcMapEntry* records,
          uint32_t record_count, const char* name);

  int type() const override { return kInt; }
  bool set_raw(uint32_t raw) override;
  uint32_t raw() const override { return value_; }
  uint32_t raw_min() const override { return minimum_; }
  uint32_t raw_max() const override { return maximum_; }
  bool reset() override { return set_raw(default_); }
  tcString format_raw(uint32_t raw) const override;

  uint32_t value() const { return value_; }
  uint32_t default_value() const { return default_; }
  uint32_t minimum() const { return minimum_; }
  uint32_t maximum() const { return maximum_; }
  const char* const* labels() const { return labels_; }
  const tcMapEntry* records() const { return records_; }
  uint32_t label_count() const { return label_count_; }

 protected:
  bool floating() const override { return false; }

 private:
  uint32_t clamp(uint32_t v) const;

  uint32_t value_;
  uint32_t default_;
  uint32_t minimum_;
  uint32_t maximum_;
  const char* const* labels_ = nullptr;
  const tcMapEntry* records_ = nullptr;
  uint32_t label_count_ = 0;
};
