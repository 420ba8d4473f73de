// Preset file reader: any bytes must decode without reading past them, apply to a
// set without harm, and what decodes must survive writing and reading again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "params/SETTINGS.h"
#include "params/tcParamTable.h"
#include "params/tcPresetFile.h"
#include "params/tcPresetFileCodec.h"

namespace {
int preset_type(uint16_t id) {
  return tcParamTable::presets().type_of(id);
}

bool same_records(const tcPresetFileImage& a, const tcPresetFileImage& b) {
  if (a.records.size() != b.records.size()) return false;
  for (size_t n = 0; n < a.records.size(); ++n) {
    if (a.records[n].id != b.records[n].id || a.records[n].value != b.records[n].value)
      return false;
  }
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static SETTINGS set;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));

  tcPresetHeader header;
  tcPresetFile::read_header_bytes(bytes, &header);
  tcPresetFile::load_bytes(bytes, &header, &set);

  tcPresetFileImage image;
  if (tcPresetFileCodec::decode(bytes, tcPresetFileCodec::kWhole, preset_type, &image) != 0)
    return 0;
  tcPresetFileImage again;
  if (tcPresetFileCodec::decode(tcPresetFileCodec::encode(image), tcPresetFileCodec::kWhole,
                                preset_type, &again) != 0 ||
      again.name != image.name || again.map_version != image.map_version ||
      again.text_a != image.text_a || again.text_b != image.text_b || !same_records(image, again)) {
    std::abort();
  }
  return 0;
}
