#include "params/tcRc4.h"

#include <utility>

constexpr uint8_t tcRc4::kPresetKey[7];

tcRc4::tcRc4(const uint8_t* key, size_t key_length) {
  for (int n = 0; n < 256; ++n) state_[n] = static_cast<uint8_t>(n);
  // An empty key schedules like a key of one zero byte rather than dividing by zero.
  uint8_t j = 0;
  for (int n = 0; n < 256; ++n) {
    const uint8_t k = key_length ? key[static_cast<size_t>(n) % key_length] : 0;
    j = static_cast<uint8_t>(j + state_[n] + k);
    std::swap(state_[n], state_[j]);
  }
}

tcRc4 tcRc4::preset() {
  return tcRc4(kPresetKey, sizeof kPresetKey);
}

uint8_t tcRc4::next() {
  i_ = static_cast<uint8_t>(i_ + 1);
  j_ = static_cast<uint8_t>(j_ + state_[i_]);
  std::swap(state_[i_], state_[j_]);
  return state_[static_cast<uint8_t>(state_[i_] + state_[j_])];
}

void tcRc4::apply(uint8_t* data, size_t length) {
  for (size_t n = 0; n < length; ++n) data[n] ^= next();
}
