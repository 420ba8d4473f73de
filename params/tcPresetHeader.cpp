#include "params/tcPresetHeader.h"

#include <cstring>

#include "params/tcSettings.h"

void tcPresetHeader::clear() {
  std::memset(name, 0, sizeof name);
  present = 0;
  status = 0;
  std::memset(check, 0, sizeof check);
  std::memset(count, 0, sizeof count);
  word_a = 0;
  word_b = 0;
  std::memset(text_a, 0, sizeof text_a);
  std::memset(text_b, 0, sizeof text_b);
  map_version = 0;
}

void tcPresetHeader::reset() {
  clear();
  present = 1;
  map_version = kVersionFactory;
}

tcString tcPresetHeader::name_text() const {
  return tcString(name, kNameSize);
}

void tcPresetHeader::set_name(const char* text) {
  std::memset(name, 0, sizeof name);
  if (!text) return;
  const size_t n = strnlen(text, kNameSize);
  std::memcpy(name, text, n);
}

bool tcPresetHeader::operator==(const tcPresetHeader& other) const {
  return std::memcmp(name, other.name, sizeof name) == 0 && map_version == other.map_version &&
         std::memcmp(count, other.count, sizeof count) == 0 &&
         std::memcmp(check, other.check, sizeof check) == 0 && status == other.status &&
         present == other.present;
}

void tcPresetHeader::copy_from(const tcPresetHeader& other) {
  std::memcpy(name, other.name, sizeof name);
  present = other.present;
  status = other.status;
  std::memcpy(check, other.check, sizeof check);
  std::memcpy(count, other.count, sizeof count);
  map_version = other.map_version;
}

void tcPresetHeader::take_checksums(const tcSettings& set) {
  check[kNormal] = set.checksum(tcSettings::kNormal, &count[kNormal]);
  check[kIo] = set.checksum(tcSettings::kIo, &count[kIo]);
  check[kSecret] = set.checksum(tcSettings::kSecret, &count[kSecret]);
}
