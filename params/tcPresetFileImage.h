#pragma once
// One preset file taken apart into its stored parts, before any parameter set is
// involved: what the codec reads from bytes and writes to bytes.
#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

struct tcPresetFileImage {
  enum Form {
    kCurrent = 0,      // enciphered, with map version
    kOlderBinary = 1,  // enciphered, no map version (read as 0)
    kText = 2,         // plain text of the older processor
  };
  static constexpr int kNameLength = 40;
  static constexpr int kTextFieldLength = 40;

  // value: a float parameter's engineering value as IEEE-754 bits, else the integer
  // value or the switch's 0/1.
  struct Record {
    uint16_t id = 0;
    uint32_t value = 0;
  };

  Form form = kCurrent;
  QByteArray name;       // at most 40 characters, no zero byte
  uint32_t created = 0;  // low 32 bits of the seconds since 1970 (kept only on write)
  uint32_t word_a = 0;
  uint32_t word_b = 0;
  std::array<uint8_t, kTextFieldLength> text_a{};
  std::array<uint8_t, kTextFieldLength> text_b{};
  uint16_t map_version = 0;
  std::vector<Record> records;
};
