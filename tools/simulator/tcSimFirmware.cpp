#include "tools/simulator/tcSimFirmware.h"

tcApCodec::UpgradeReply tcSimFirmware::reply(uint16_t block, uint16_t blocks, uint16_t code,
                                             const char* text) {
  tcApCodec::UpgradeReply r;
  r.block = block;
  r.blocks = blocks;
  r.code = code;
  r.text = text;
  return r;
}

std::vector<tcApCodec::UpgradeReply> tcSimFirmware::take_block(const tcApCodec::UpgradeBlock& block,
                                                               double now) {
  // Block 1 always starts a new image, also after a transfer that broke off.
  if (block.block == 1) {
    next_ = 1;
    blocks_ = block.blocks;
    bytes_ = 0;
    flashing_ = false;
  }
  if (block.block != next_ || block.blocks != blocks_ || block.blocks == 0 || block.size == 0 ||
      flashing_) {
    next_ = 1;
    blocks_ = 0;
    flashing_ = false;
    return {reply(block.block, block.blocks, kFailure, "Image block out of sequence")};
  }
  bytes_ += block.size;
  std::vector<tcApCodec::UpgradeReply> out{reply(block.block, block.blocks, kAck)};
  if (block.block == blocks_) {
    flashing_ = true;
    flash_done_at_ = now + kFlashSeconds;
    out.push_back(reply(block.block, block.blocks, kInfo, "Writing image to flash..."));
  } else {
    ++next_;
  }
  return out;
}

bool tcSimFirmware::completion_due(double now, tcApCodec::UpgradeReply& out) {
  if (!flashing_ || now < flash_done_at_) return false;
  out = reply(blocks_, blocks_, kDone, "Image written");
  flashing_ = false;
  next_ = 1;
  blocks_ = 0;
  return true;
}
