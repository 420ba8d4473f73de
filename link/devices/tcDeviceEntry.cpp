#include "link/devices/tcDeviceEntry.h"

#include <cstring>

tcDeviceEntry::tcDeviceEntry(const QString& maps_dir, const char* name)
    : name_(name), config_(maps_dir, name_.toQString()) {}

bool tcDeviceEntry::valid_name(const char* name) {
  if (!name) return false;
  const size_t length = std::strlen(name);
  if (length < 1 || length > static_cast<size_t>(kNameMax)) return false;
  for (size_t i = 0; i < length; ++i) {
    const char c = name[i];
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == ' ' || c == '_';
    if (!ok) return false;
  }
  return true;
}
