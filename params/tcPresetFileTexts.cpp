#include "params/tcPresetFileTexts.h"

#include <cstring>

namespace {
const char kNameSpecials[] = "~!@#$%^&()_-+={}[];,";

bool name_character(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
         std::strchr(kNameSpecials, c) != nullptr;
}
}  // namespace

tcString tcPresetFileTexts::map_version_text(uint16_t value) {
  tcString text;
  if (value == 0) {
    text = "Legacy Preset";
  } else if (value <= 4095) {
    text.format("GUI Lite mapver=%d", value);
  } else if (value == tcPresetHeader::kVersionTweaked) {
    text = "GUI Pro Tweeked";
  } else if (value == tcPresetHeader::kVersionFactory) {
    text = "Factory Preset";
  } else {
    text = "Unknown flag type";
  }
  return text;
}

bool tcPresetFileTexts::check_name(const char* text, tcString* verdict) {
  const size_t length = text ? std::strlen(text) : 0;
  if (length < 1 || length > static_cast<size_t>(kNameMax)) {
    *verdict = "Invalid length";
    return false;
  }
  if (text[0] == ' ' || text[length - 1] == ' ') {
    *verdict = "Can not start or end with a space";
    return false;
  }
  for (size_t n = 0; n < length; ++n) {
    if (!name_character(text[n])) {
      *verdict = "There are invalid characters in the name\n";
      *verdict += "Valid characters: ";
      *verdict += "A-Z a-z space ";
      *verdict += kNameSpecials;
      return false;
    }
  }
  *verdict = "Okay";
  return true;
}

tcString tcPresetFileTexts::load_error_text(const char* format, int code) {
  const char* reason = code == 0 ? "Success" : code == 1 ? "Invalid File Type" : "Unknown Error";
  // Filled by hand, not by printf: only "%s" and "%%" mean anything, so a stray
  // conversion in a caller's format cannot read past the one argument.
  tcString text;
  bool filled = false;
  for (const char* p = format ? format : ""; *p; ++p) {
    if (p[0] == '%' && p[1] == 's' && !filled) {
      text += reason;
      filled = true;
      ++p;
    } else if (p[0] == '%' && p[1] == '%') {
      text.append('%');
      ++p;
    } else {
      text.append(*p);
    }
  }
  return text;
}
