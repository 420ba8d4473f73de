#include "app/core/tcCrc32.h"

#include <cstring>
#include <mutex>

namespace {
uint32_t g_table[256];
std::once_flag g_table_built;

void fill_table() {
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    g_table[n] = c;
  }
}
}  // namespace

void tcCrc32::build_table() {
  std::call_once(g_table_built, fill_table);
}

uint32_t tcCrc32::update(uint32_t running, const void* data, size_t length) {
  build_table();
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < length; ++i)
    running = g_table[(running ^ bytes[i]) & 0xFF] ^ (running >> 8);
  return running;
}

uint32_t tcCrc32::compute(const void* data, size_t length) {
  return finish(update(start(), data, length));
}

uint32_t tcCrc32::of_text(const char* text) {
  return text ? compute(text, std::strlen(text)) : 0;
}
