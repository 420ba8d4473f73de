#pragma once
// RC4 key stream: key scheduling over a 256-byte state, then one stream byte
// per data byte. Enciphering and deciphering are the same XOR.
#include <cstddef>
#include <cstdint>

class tcRc4 {
 public:
  // The key of the preset files.
  static constexpr uint8_t kPresetKey[7] = {0x5A, 0xC3, 0x17, 0x8E, 0x02, 0xF9, 0x64};

  tcRc4(const uint8_t* key, size_t key_length);
  // A stream started with the preset key.
  static tcRc4 preset();

  uint8_t next();
  // XORs the next `length` stream bytes onto data, in place.
  void apply(uint8_t* data, size_t length);

 private:
  uint8_t state_[256];
  uint8_t i_ = 0;
  uint8_t j_ = 0;
};
