#include "link/protocol/tcIddApGui.h"

#include <algorithm>
#include <cstring>

#include "app/core/tcLeBytes.h"
#include "link/protocol/tcFrame.h"

namespace tcIddApGui {

void tcCmndRecvState::recv(const uint8_t* bytes, size_t count) {
  size_t i = 0;
  while (i < count) {
    switch (state_) {
      case kHunt:
        if (bytes[i++] == tcFrame::kSyncByte) state_ = kSync;
        break;
      case kSync:
        state_ = bytes[i++] == tcFrame::kSyncByte ? kLengthLo : kHunt;
        break;
      case kLengthLo:
        // A third 0xA5 in a row lands here as the low length byte.
        expected_ = bytes[i++];
        state_ = kLengthHi;
        break;
      case kLengthHi:
        expected_ = static_cast<uint16_t>(expected_ | (bytes[i++] << 8));
        if (expected_ >= tcFrame::kMinRecvLength && expected_ <= tcFrame::kMaxRecvLength) {
          buffer_[tcFrame::kSyncOffset] = tcFrame::kSyncByte;
          buffer_[tcFrame::kSyncOffset + 1] = tcFrame::kSyncByte;
          tcLeBytes::put_u16(buffer_.data() + tcFrame::kLengthOffset, expected_);
          index_ = tcFrame::kTypeOffset;
          state_ = kBody;
        } else {
          state_ = kHunt;
        }
        break;
      case kBody: {
        // Body bytes are stored as a run: as many as the frame still needs.
        const size_t run = std::min<size_t>(expected_ - index_, count - i);
        std::memcpy(buffer_.data() + index_, bytes + i, run);
        index_ = static_cast<uint16_t>(index_ + run);
        i += run;
        if (index_ >= expected_) {
          state_ = kHunt;
          handle_message(context1_, context2_, buffer_.data());
        }
        break;
      }
    }
  }
}

void tcCmndRecvState::reset() {
  context1_ = 0;
  context2_ = 0;
  state_ = kHunt;
  expected_ = 0;
  index_ = 0;
}

}  // namespace tcIddApGui
