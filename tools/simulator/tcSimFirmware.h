#pragma once
// Takes a firmware image in numbered blocks (message 0x0011): each block in
// order is acknowledged (reply code 0); after the last one the image is
// "written to flash" and, a moment later, the completion reply (code 1) is due.
// A block out of order ends the transfer with a failure reply (code 3).
#include <cstdint>
#include <vector>

#include "link/protocol/tcApCodec.h"

class tcSimFirmware {
 public:
  enum Code : uint16_t { kAck = 0, kDone = 1, kInfo = 2, kFailure = 3 };
  static constexpr double kFlashSeconds = 1.0;

  // The replies for one received block, in order; `now` in seconds.
  std::vector<tcApCodec::UpgradeReply> take_block(const tcApCodec::UpgradeBlock& block, double now);
  // The completion reply once the flash time has passed; false before that or
  // when nothing is being written.
  bool completion_due(double now, tcApCodec::UpgradeReply& out);

  uint32_t received_bytes() const { return bytes_; }

 private:
  static tcApCodec::UpgradeReply reply(uint16_t block, uint16_t blocks, uint16_t code,
                                       const char* text = "");

  uint16_t next_ = 1;
  uint16_t blocks_ = 0;
  uint32_t bytes_ = 0;
  bool flashing_ = false;
  double flash_done_at_ = 0;
};
