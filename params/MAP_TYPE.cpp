#include "params/MAP_TYPE.h"

#include <cstring>

namespace {
// One printf conversion of the wanted kind (besides "%%"), with flags, width and
// precision only: the maps pass exactly one argument of a known type.
bool format_fits(const char* fmt, bool floating) {
  int conversions = 0;
  for (const char* p = fmt; *p; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p && std::strchr("-+ #0", *p)) ++p;
    while (*p >= '0' && *p <= '9') ++p;
    if (*p == '.') {
      ++p;
      while (*p >= '0' && *p <= '9') ++p;
    }
    if (!*p || !std::strchr(floating ? "fFeEgGaA" : "diouxXc", *p)) return false;
    ++conversions;
  }
  return conversions == 1;
}
}  // namespace

MAP_TYPE::MAP_TYPE(uint16_t id, const char* name) : id_(id), name_(name) {}

MAP_TYPE::~MAP_TYPE() = default;

bool MAP_TYPE::set_format(const char* fmt) {
  has_format_ = fmt && format_fits(fmt, floating());
  format_ = has_format_ ? fmt : "";
  return has_format_ || !fmt;
}
