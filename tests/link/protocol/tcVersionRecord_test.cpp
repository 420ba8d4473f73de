#include "link/protocol/tcVersionRecord.h"

#include <gtest/gtest.h>

#include <cstring>

#include "link/protocol/tcFrame.h"
#include "link/protocol/tcFrameView.h"
#include "link/protocol/tcMacRecord.h"

TEST(tcVersionRecord, GoldenFieldsAndRoundTrip) {
  tcVersionRecord v;
  v.major = 2;
  v.minor = 7;
  v.build = 31;
  std::strcpy(v.lines[0].data(), "QX770HD main board");
  std::memset(v.lines[1].data(), 'L', 32);  // a full line has no terminator on the wire
  v.boot_id = 0x00ABCDEF;
  v.boot_major = 1;
  v.boot_minor = 4;
  v.boot_check = 0xBEEF;
  const tcFrame f = v.encode();
  ASSERT_EQ(f.length(), 116);
  const uint8_t* d = f.data();
  EXPECT_EQ(d[4], 0x02);
  EXPECT_EQ(d[6], 2);
  EXPECT_EQ(d[8], 7);
  EXPECT_EQ(d[10], 31);
  EXPECT_EQ(std::memcmp(d + 12, "QX770HD main board", 18), 0);
  EXPECT_EQ(d[44], 'L');
  EXPECT_EQ(d[75], 'L');
  EXPECT_EQ(d[76], 0);
  EXPECT_EQ(d[108], 0xEF);
  EXPECT_EQ(d[112], 1);
  EXPECT_EQ(d[113], 4);
  EXPECT_EQ(d[114], 0xEF);
  EXPECT_EQ(d[115], 0xBE);

  const tcVersionRecord back = tcVersionRecord::decode(tcFrameView(f.data(), f.length()));
  EXPECT_TRUE(back == v);
  EXPECT_EQ(std::strlen(back.lines[1].data()), 32u);
}

TEST(tcVersionRecord, ShortReplyLeavesTheRestZero) {
  tcVersionRecord v;
  v.major = 3;
  std::strcpy(v.lines[0].data(), "abcdefgh");
  v.boot_major = 9;
  const tcFrame f = v.encode();
  // Only 16 bytes arrive: the version words and four characters of line one.
  uint8_t short_frame[16];
  std::memcpy(short_frame, f.data(), 16);
  short_frame[2] = 16;
  const tcVersionRecord back = tcVersionRecord::decode(tcFrameView(short_frame, 16));
  EXPECT_EQ(back.major, 3);
  EXPECT_STREQ(back.lines[0].data(), "abcd");
  EXPECT_EQ(back.lines[1][0], 0);
  EXPECT_EQ(back.boot_major, 0);
}

TEST(tcMacRecord, SixBytesInTransmissionOrder) {
  tcMacRecord mac;
  mac.bytes = {0x00, 0x1B, 0x2C, 0xA0, 0xFF, 0x07};
  const tcFrame f = mac.encode();
  ASSERT_EQ(f.length(), 12);
  EXPECT_EQ(f.data()[4], 0x00);
  EXPECT_EQ(f.data()[5], 0x60);
  EXPECT_EQ(std::memcmp(f.data() + 6, mac.bytes.data(), 6), 0);
  EXPECT_EQ(mac.text(), "00:1B:2C:A0:FF:07");
  tcMacRecord back;
  ASSERT_EQ(tcMacRecord::decode(tcFrameView(f.data(), f.length()), back), 0);
  EXPECT_TRUE(back == mac);
  EXPECT_EQ(tcMacRecord::decode(tcFrameView(f.data(), 11), back), -1);
}
