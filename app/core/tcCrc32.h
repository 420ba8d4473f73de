#pragma once
// CRC-32 of IEEE 802.3 (reflected 0x04C11DB7, initial value and final complement
// all ones). It checks parameter sets and reduces passwords to 32-bit codes.
#include <cstddef>
#include <cstdint>

class tcCrc32 {
 public:
  // Builds the 256-entry table; later calls do nothing. Safe from any thread.
  static void build_table();

  // Running form: start(), then update() over the pieces, then finish().
  static uint32_t start() { return 0xFFFFFFFFu; }
  static uint32_t update(uint32_t running, const void* data, size_t length);
  static uint32_t finish(uint32_t running) { return ~running; }

  static uint32_t compute(const void* data, size_t length);
  // The code of a password text; the empty text has code 0.
  static uint32_t of_text(const char* text);
};
