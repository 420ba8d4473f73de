#pragma once
// A received message, read in place. Every read is bounded by the frame's own
// length: a field the frame does not hold reads as zero, and record runs are
// cut to what the frame holds, whatever count the peer claims.
#include <algorithm>
#include <cstdint>

#include "app/core/tcLeBytes.h"
#include "link/protocol/tcFrame.h"

class tcFrameView {
 public:
  // A frame whose length field is taken from its own header, cut to `held` bytes.
  tcFrameView(const uint8_t* frame, int held)
      : data_(frame),
        length_(held >= tcFrame::kHeaderSize ? std::min(held, header_length(frame)) : 0) {}

  static int header_length(const uint8_t* frame) {
    return tcLeBytes::get_u16(frame + tcFrame::kLengthOffset);
  }

  const uint8_t* data() const { return data_; }
  int length() const { return length_; }
  uint16_t type() const { return u16(tcFrame::kTypeOffset); }

  bool holds(int offset, int count) const {
    return offset >= 0 && count >= 0 && offset + count <= length_;
  }
  uint8_t u8(int offset) const { return holds(offset, 1) ? data_[offset] : 0; }
  uint16_t u16(int offset) const {
    return holds(offset, 2) ? tcLeBytes::get_u16(data_ + offset) : 0;
  }
  uint32_t u32(int offset) const {
    return holds(offset, 4) ? tcLeBytes::get_u32(data_ + offset) : 0;
  }
  // Pointer to `count` bytes at `offset`, null when the frame does not hold them.
  const uint8_t* bytes(int offset, int count) const {
    return holds(offset, count) ? data_ + offset : nullptr;
  }
  // How many of `claimed` records of `size` bytes from `offset` the frame holds.
  int records_held(int offset, int size, int claimed) const {
    if (claimed <= 0 || offset > length_) return 0;
    return std::min(claimed, (length_ - offset) / size);
  }

 private:
  const uint8_t* data_;
  int length_;
};
