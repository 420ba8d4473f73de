#include "skin/objects/tcObjectReader.h"

#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "app/core/tcLog.h"

void tcObjectReader::log_message(int level, const char* fmt, ...) const {
  va_list args;
  va_start(args, fmt);
  tcLog::vmessage(log_owner(), level, fmt, args);
  va_end(args);
}

bool tcObjectReader::flag(const char* text) {
  return !text || std::strcmp(text, "0") != 0;
}

int tcObjectReader::integer(const char* text) {
  if (!text) return 0;
  const long v = std::strtol(text, nullptr, 10);
  return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

int tcObjectReader::alignment(const char* text) {
  if (!text) text = "";
  int vertical = Qt::AlignTop;
  if (text[0] == 'b') vertical = Qt::AlignBottom;
  if (text[0] == 'c') vertical = Qt::AlignVCenter;
  int horizontal = Qt::AlignLeft;
  if (text[0] && text[1] == 'c') horizontal = Qt::AlignHCenter;
  if (text[0] && text[1] == 'r') horizontal = Qt::AlignRight;
  return vertical | horizontal;
}
