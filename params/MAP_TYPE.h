#pragma once
// A parameter map: holds one processor parameter in its raw form (what the wire and
// the processor carry), knows its raw range and default, and turns raw values into
// display text. MAP_FLOAT, MAP_INT and MAP_BOOL are the three kinds.
#include <cstdint>

#include "app/core/tcString.h"

// One entry of a value table or label-record list: engineering value and its label.
struct tcMapEntry {
  float value;
  const char* label;
};

class MAP_TYPE {
 public:
  // Type codes, shared with the type column of the parameter tables.
  static constexpr int kFloat = 1;
  static constexpr int kInt = 2;
  static constexpr int kBool = 3;

  MAP_TYPE(const MAP_TYPE&) = delete;
  MAP_TYPE& operator=(const MAP_TYPE&) = delete;
  virtual ~MAP_TYPE();

  virtual int type() const = 0;
  // Clamps into the raw range and stores; true when the stored value changed.
  virtual bool set_raw(uint32_t raw) = 0;
  virtual uint32_t raw() const = 0;
  virtual uint32_t raw_min() const = 0;
  virtual uint32_t raw_max() const = 0;
  // Back to the default; true when the stored value changed.
  virtual bool reset() = 0;
  // Display text of a given raw value (clamped first) and of the current value.
  virtual tcString format_raw(uint32_t raw) const = 0;
  tcString format() const { return format_raw(raw()); }
  // Keeps a copy of a printf-style format; nullptr clears it. A format that does not
  // hold exactly one conversion of this map's kind (integer or floating) is refused
  // and clears it too, so no display can read arguments it was not given.
  bool set_format(const char* fmt);
  // The display format, nullptr when none is set.
  const char* display_format() const { return has_format_ ? format_.c_str() : nullptr; }

  uint16_t id() const { return id_; }
  const tcString& name() const { return name_; }

 protected:
  MAP_TYPE(uint16_t id, const char* name);
  // The set format, else the given fallback.
  const char* format_or(const char* fallback) const {
    return has_format_ ? format_.c_str() : fallback;
  }
  virtual bool floating() const = 0;

 private:
  uint16_t id_;
  bool has_format_ = false;
  tcString format_;
  tcString name_;
};
