#include "link/protocol/tcFrame.h"

#include <algorithm>
#include <cstring>

#include "app/core/tcLeBytes.h"

tcFrame::tcFrame(uint16_t type, int length) : length_(std::clamp(length, kHeaderSize, kCapacity)) {
  seal(bytes_.data(), length_);
  tcLeBytes::put_u16(bytes_.data() + kTypeOffset, type);
}

uint16_t tcFrame::type() const {
  return tcLeBytes::get_u16(bytes_.data() + kTypeOffset);
}

bool tcFrame::fits(int offset, int count) const {
  return offset >= 0 && count >= 0 && offset + count <= length_;
}

void tcFrame::put_u8(int offset, uint8_t value) {
  if (fits(offset, 1)) bytes_[offset] = value;
}

void tcFrame::put_u16(int offset, uint16_t value) {
  if (fits(offset, 2)) tcLeBytes::put_u16(bytes_.data() + offset, value);
}

void tcFrame::put_u32(int offset, uint32_t value) {
  if (fits(offset, 4)) tcLeBytes::put_u32(bytes_.data() + offset, value);
}

void tcFrame::put_f32(int offset, float value) {
  if (fits(offset, 4)) tcLeBytes::put_f32(bytes_.data() + offset, value);
}

void tcFrame::put_bytes(int offset, const void* src, int count) {
  if (src && fits(offset, count)) std::memcpy(bytes_.data() + offset, src, count);
}

uint8_t* tcFrame::at(int offset, int count) {
  return fits(offset, count) ? bytes_.data() + offset : nullptr;
}

void tcFrame::seal(uint8_t* frame, int length) {
  frame[kSyncOffset] = kSyncByte;
  frame[kSyncOffset + 1] = kSyncByte;
  tcLeBytes::put_u16(frame + kLengthOffset, static_cast<uint16_t>(length));
}
