#include "link/protocol/PresetSummary.h"

#include <gtest/gtest.h>

#include <cstring>

#include "link/protocol/tcApCodec.h"
#include "params/tcPresetHeader.h"

namespace {

tcPresetHeader sample() {
  tcPresetHeader h;
  h.set_name("Classic Rock");
  h.present = 1;
  h.status = 2;
  for (int i = 0; i < 4; ++i) {
    h.check[i] = 0x11223344u + i;
    h.count[i] = static_cast<uint16_t>(406 + i);
  }
  h.word_a = 0xA1A2A3A4u;
  h.word_b = 0xB1B2B3B4u;
  std::memcpy(h.text_a, "Author text", 11);
  std::memcpy(h.text_b, "Notes", 5);
  h.map_version = 0x0203;
  return h;
}

}  // namespace

TEST(PresetSummary, BlockLayoutAndComplementedTexts) {
  const tcPresetHeader h = sample();
  uint8_t block[PresetSummary::kSize];
  PresetSummary::encode(33, h, block);
  EXPECT_EQ(block[0], 33);
  EXPECT_EQ(std::memcmp(block + 1, "Classic Rock", 12), 0);
  EXPECT_EQ(block[13], 0);
  EXPECT_EQ(block[41], 1);
  EXPECT_EQ(block[42], 2);
  EXPECT_EQ(block[43], 0);
  const uint8_t check0[4] = {0x44, 0x33, 0x22, 0x11};
  EXPECT_EQ(std::memcmp(block + 44, check0, 4), 0);
  EXPECT_EQ(block[60], 406 & 0xFF);
  EXPECT_EQ(block[61], 406 >> 8);
  EXPECT_EQ(block[68], 0xA4);
  EXPECT_EQ(block[75], 0xB1);
  EXPECT_EQ(block[76], static_cast<uint8_t>(~'A'));
  EXPECT_EQ(block[87], 0xFF);  // a zero byte of text A complemented
  EXPECT_EQ(block[116], static_cast<uint8_t>(~'N'));
  EXPECT_EQ(block[156], 0x03);
  EXPECT_EQ(block[157], 0x02);
  EXPECT_EQ(block[158], 0);
  EXPECT_EQ(block[159], 0);

  tcPresetHeader back;
  back.clear();
  EXPECT_EQ(PresetSummary::decode(block, back), 33);
  EXPECT_TRUE(back == h);
  EXPECT_EQ(back.word_a, h.word_a);
  EXPECT_EQ(back.word_b, h.word_b);
  EXPECT_EQ(std::memcmp(back.text_a, h.text_a, 40), 0);
  EXPECT_EQ(std::memcmp(back.text_b, h.text_b, 40), 0);
}

TEST(PresetSummary, BankSummaryAndDirectoryMessages) {
  const tcPresetHeader h = sample();
  const tcFrame f = tcApCodec::bank_summary(5, h);
  ASSERT_EQ(f.length(), 168);
  const uint8_t* d = f.data();
  EXPECT_EQ(d[4], 0x01);
  EXPECT_EQ(d[5], 0x40);
  EXPECT_EQ(d[6], 5);
  EXPECT_EQ(d[7], 0);
  EXPECT_EQ(d[8], 0);
  EXPECT_EQ(std::memcmp(d + 9, "Classic Rock", 12), 0);
  EXPECT_EQ(d[49], 1);
  EXPECT_EQ(d[50], 2);
  EXPECT_EQ(d[52], 0x44);
  EXPECT_EQ(d[68], 406 & 0xFF);
  EXPECT_EQ(d[76], 0xA4);
  EXPECT_EQ(d[80], 0xB4);
  EXPECT_EQ(d[84], static_cast<uint8_t>(~'A'));
  EXPECT_EQ(d[124], static_cast<uint8_t>(~'N'));
  EXPECT_EQ(d[164], 0x03);
  uint8_t bank = 0;
  tcPresetHeader back;
  ASSERT_EQ(tcApCodec::read_bank_summary(tcFrameView(f.data(), f.length()), bank, back), 0);
  EXPECT_EQ(bank, 5);
  EXPECT_TRUE(back == h);

  tcApCodec::DirectoryEntry entry;
  entry.slot = 79;
  entry.header = h;
  const tcFrame dir = tcApCodec::directory(&entry, 1);
  ASSERT_EQ(dir.length(), 1128);
  EXPECT_EQ(dir.data()[6], 1);
  EXPECT_EQ(dir.data()[8], 79);
  for (int i = 8 + 160; i < 1128; ++i) ASSERT_EQ(dir.data()[i], 0);
  tcApCodec::RecordRun run;
  ASSERT_EQ(tcApCodec::read_directory(tcFrameView(dir.data(), dir.length()), run), 0);
  ASSERT_EQ(run.count, 1);
  EXPECT_EQ(run.summary(0, back), 79);
  EXPECT_TRUE(back == h);
}
