#pragma once
// Little-endian reads and writes of the byte forms the program speaks: the
// processor's messages, preset files, preset packages and skin files. Floats
// travel as IEEE-754 singles; their bits move through memcpy.
#include <QByteArray>
#include <cstdint>
#include <cstring>

class tcLeBytes {
 public:
  static uint16_t get_u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
  static uint32_t get_u32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  }
  static uint16_t get_u16(const char* p) { return get_u16(reinterpret_cast<const uint8_t*>(p)); }
  static uint32_t get_u32(const char* p) { return get_u32(reinterpret_cast<const uint8_t*>(p)); }
  static float get_f32(const uint8_t* p) {
    const uint32_t bits = get_u32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  static void put_u16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
  }
  static void put_u32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
  }
  static void put_f32(uint8_t* p, float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    put_u32(p, bits);
  }
  // Appends to a growing byte image.
  static void append_u16(QByteArray& out, uint16_t v) {
    uint8_t b[2];
    put_u16(b, v);
    out.append(reinterpret_cast<const char*>(b), 2);
  }
  static void append_u32(QByteArray& out, uint32_t v) {
    uint8_t b[4];
    put_u32(b, v);
    out.append(reinterpret_cast<const char*>(b), 4);
  }
};
