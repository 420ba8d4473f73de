#include "tools/simulator/tcSimFirmware.h"

#include <gtest/gtest.h>

namespace {

tcApCodec::UpgradeBlock block(uint16_t n, uint16_t of, uint16_t size = 1024) {
  static const uint8_t data[1024] = {};
  tcApCodec::UpgradeBlock b;
  b.block = n;
  b.blocks = of;
  b.size = size;
  b.data = data;
  return b;
}

TEST(tcSimFirmware, BlocksInOrderAreAcknowledgedThenTheFlashCompletesLater) {
  tcSimFirmware firmware;
  auto replies = firmware.take_block(block(1, 2), 0.0);
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0].code, tcSimFirmware::kAck);
  replies = firmware.take_block(block(2, 2, 1), 0.1);
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0].code, tcSimFirmware::kAck);
  EXPECT_EQ(replies[0].block, 2);
  EXPECT_EQ(replies[1].code, tcSimFirmware::kInfo);
  EXPECT_EQ(firmware.received_bytes(), 1025u);
  tcApCodec::UpgradeReply done;
  EXPECT_FALSE(firmware.completion_due(1.0, done));
  ASSERT_TRUE(firmware.completion_due(0.1 + tcSimFirmware::kFlashSeconds, done));
  EXPECT_EQ(done.code, tcSimFirmware::kDone);
  EXPECT_EQ(done.block, 2);
  EXPECT_EQ(done.blocks, 2);
  EXPECT_FALSE(firmware.completion_due(100.0, done)) << "only once";
}

TEST(tcSimFirmware, ABlockOutOfOrderFailsAndBlockOneStartsOver) {
  tcSimFirmware firmware;
  firmware.take_block(block(1, 3), 0.0);
  auto replies = firmware.take_block(block(3, 3), 0.0);
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0].code, tcSimFirmware::kFailure);
  EXPECT_EQ(firmware.take_block(block(2, 3), 0.0)[0].code, tcSimFirmware::kFailure);
  EXPECT_EQ(firmware.take_block(block(1, 3), 0.0)[0].code, tcSimFirmware::kAck);
  EXPECT_EQ(firmware.take_block(block(2, 3, 0), 0.0)[0].code, tcSimFirmware::kFailure)
      << "a block without data";
}

}  // namespace
