#include "app/core/tcLog.h"

#include <atomic>

namespace {
std::atomic<tcLog::Hook> g_hook{nullptr};
}

void tcLog::set_hook(Hook hook) {
  g_hook.store(hook);
}

tcLog::Hook tcLog::hook() {
  return g_hook.load();
}

void tcLog::vmessage(uintptr_t owner, int level, const char* fmt, va_list args) {
  if (Hook h = g_hook.load()) h(owner, level, fmt, args);
}

void tcLog::message(uintptr_t owner, int level, const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  vmessage(owner, level, fmt, args);
  va_end(args);
}

void tcLog::plain(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  vmessage(0, kError, fmt, args);
  va_end(args);
}
