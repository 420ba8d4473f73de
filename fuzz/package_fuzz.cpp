// Preset package reader: any bytes must decode without reading past them, every
// entry it accepts must have a safe name, and what decodes must encode back to the
// same entries.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "presets/storage/tcPresetPackageCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
  QVector<tcPresetPackageCodec::Entry> entries;
  if (tcPresetPackageCodec::decode(bytes, &entries) != tcPresetPackageCodec::kOk) {
    if (!entries.isEmpty()) std::abort();
    return 0;
  }
  for (const tcPresetPackageCodec::Entry& entry : entries) {
    if (!tcPresetPackageCodec::is_safe_name(entry.name)) std::abort();
  }
  QByteArray encoded;
  QVector<tcPresetPackageCodec::Entry> again;
  if (tcPresetPackageCodec::encode(entries, &encoded) != tcPresetPackageCodec::kOk ||
      tcPresetPackageCodec::decode(encoded, &again) != tcPresetPackageCodec::kOk ||
      again.size() != entries.size()) {
    std::abort();
  }
  for (int n = 0; n < entries.size(); ++n) {
    if (again[n].name != entries[n].name || again[n].data != entries[n].data) std::abort();
  }
  return 0;
}
