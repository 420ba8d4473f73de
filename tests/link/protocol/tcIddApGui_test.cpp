#include "link/protocol/tcIddApGui.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

class Collector : public tcIddApGui::tcCmndRecvState {
 public:
  std::vector<Bytes> frames;

 protected:
  void handle_message(uint32_t context1, uint32_t context2, const uint8_t* frame) override {
    EXPECT_EQ(context1, 0u);
    EXPECT_EQ(context2, 0u);
    const int length = frame[2] | (frame[3] << 8);
    frames.emplace_back(frame, frame + length);
  }
};

// A frame of the given total length, type 0x4000 and a counting body.
Bytes frame_of(int length, uint8_t seed = 1) {
  Bytes f = {0xA5, 0xA5, static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
             0x00, 0x40};
  for (int i = 6; i < length; ++i) f.push_back(static_cast<uint8_t>(seed + i));
  f.resize(length);
  return f;
}

Bytes cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

}  // namespace

TEST(tcCmndRecvState, TwoFramesInOneBlockAndOneOverThreeBlocksDecodeAlike) {
  const Bytes a = frame_of(20, 3);
  const Bytes b = frame_of(1192, 7);

  Collector whole;
  const Bytes block = cat({a, b});
  whole.recv(block.data(), block.size());
  ASSERT_EQ(whole.frames.size(), 2u);
  EXPECT_EQ(whole.frames[0], a);
  EXPECT_EQ(whole.frames[1], b);

  // b split inside its sync, inside its length and inside its body.
  Collector split;
  split.recv(a.data(), a.size());
  split.recv(b.data(), 1);
  split.recv(b.data() + 1, 2);
  split.recv(b.data() + 3, b.size() - 3);
  EXPECT_EQ(split.frames, whole.frames);
  EXPECT_EQ(split.state(), tcIddApGui::tcCmndRecvState::kHunt);
}

TEST(tcCmndRecvState, GarbageAndLoneSyncBytesBeforeAFrameAreSkipped) {
  const Bytes f = frame_of(12);
  Collector c;
  const Bytes block = cat({{0x00, 0xA5, 0x13, 0xFF, 0xA5, 0x00, 0x5A, 0xA5}, {0x01}, f});
  c.recv(block.data(), block.size());
  ASSERT_EQ(c.frames.size(), 1u);
  EXPECT_EQ(c.frames[0], f);
}

TEST(tcCmndRecvState, ThirdSyncByteIsTakenAsLowLengthByte) {
  // A5 A5 A5 00 announces a frame of 0x00A5 = 165 bytes.
  Bytes block = {0xA5, 0xA5, 0xA5, 0x00, 0x15, 0x00};
  block.resize(165, 0x11);
  Collector c;
  c.recv(block.data(), block.size());
  ASSERT_EQ(c.frames.size(), 1u);
  EXPECT_EQ(c.frames[0].size(), 165u);
  EXPECT_EQ(c.frames[0][4], 0x15);
}

TEST(tcCmndRecvState, LengthsOutsideFiveTo1200Resynchronise) {
  const Bytes good = frame_of(10);
  Collector c;
  // Length 4, then length 1201: both dropped, the following frame found.
  const Bytes block = cat({{0xA5, 0xA5, 0x04, 0x00}, {0xA5, 0xA5, 0xB1, 0x04}, good});
  c.recv(block.data(), block.size());
  ASSERT_EQ(c.frames.size(), 1u);
  EXPECT_EQ(c.frames[0], good);

  // The limits themselves are frames.
  Collector edge;
  const Bytes five = {0xA5, 0xA5, 0x05, 0x00, 0x77};
  const Bytes big = frame_of(1200);
  const Bytes both = cat({five, big});
  edge.recv(both.data(), both.size());
  ASSERT_EQ(edge.frames.size(), 2u);
  EXPECT_EQ(edge.frames[0], five);
  EXPECT_EQ(edge.frames[1], big);
}

TEST(tcCmndRecvState, ResetDropsAPartialFrame) {
  const Bytes f = frame_of(30);
  Collector c;
  c.recv(f.data(), 15);
  EXPECT_EQ(c.state(), tcIddApGui::tcCmndRecvState::kBody);
  c.reset();
  c.recv(f.data() + 15, f.size() - 15);  // the tail alone is not a frame
  c.recv(f.data(), f.size());
  ASSERT_EQ(c.frames.size(), 1u);
  EXPECT_EQ(c.frames[0], f);
}
