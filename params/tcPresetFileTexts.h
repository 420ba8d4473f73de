#pragma once
// The texts around preset files that the lists, dialogs and tools show: the map
// version (flag type) texts, the preset-name rule and the load-error text.
#include <cstdint>

#include "app/core/tcString.h"
#include "params/tcPresetHeader.h"

class tcPresetFileTexts {
 public:
  static constexpr int kNameMax = tcPresetHeader::kNameSize;

  static tcString map_version_text(uint16_t value);

  // True when a typed name is good; verdict gets "Okay" or the reason.
  static bool check_name(const char* text, tcString* verdict);

  // format filled with "Success", "Invalid File Type" or "Unknown Error".
  static tcString load_error_text(const char* format, int code);
};
