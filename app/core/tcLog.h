#pragma once
// The process-wide log hook of the XML reader and the skin loader. The main
// window installs a hook that appends each line to the skin log; without a hook,
// messages are dropped.
#include <cstdarg>
#include <cstdint>

class tcLog {
 public:
  enum Level { kProgress = 1, kError = 3 };
  using Hook = void (*)(uintptr_t owner, int level, const char* fmt, va_list args);

  static void set_hook(Hook hook);
  static Hook hook();

  static void message(uintptr_t owner, int level, const char* fmt, ...)
      __attribute__((format(printf, 3, 4)));
  static void vmessage(uintptr_t owner, int level, const char* fmt, va_list args);
  // The plain form: no owner, error level.
  static void plain(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
};
