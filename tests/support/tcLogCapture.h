#pragma once
// Installs a log hook for the life of a test and keeps every formatted line.
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "app/core/tcLog.h"

class tcLogCapture {
 public:
  struct Line {
    uintptr_t owner;
    int level;
    std::string text;
  };

  tcLogCapture() : previous_(tcLog::hook()) {
    lines().clear();
    tcLog::set_hook(&tcLogCapture::hook);
  }
  ~tcLogCapture() { tcLog::set_hook(previous_); }
  tcLogCapture(const tcLogCapture&) = delete;
  tcLogCapture& operator=(const tcLogCapture&) = delete;

  static std::vector<Line>& lines() {
    static std::vector<Line> captured;
    return captured;
  }
  // Lines of a level that start with the given text.
  static int count(int level, const std::string& prefix) {
    int n = 0;
    for (const Line& l : lines()) n += l.level == level && l.text.rfind(prefix, 0) == 0;
    return n;
  }
  static int errors() {
    int n = 0;
    for (const Line& l : lines()) n += l.level == tcLog::kError;
    return n;
  }

 private:
  static void hook(uintptr_t owner, int level, const char* fmt, va_list args) {
    char buffer[1024];
    std::vsnprintf(buffer, sizeof buffer, fmt, args);
    lines().push_back(Line{owner, level, buffer});
  }

  tcLog::Hook previous_;
};
