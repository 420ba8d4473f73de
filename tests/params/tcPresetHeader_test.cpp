#include "params/tcPresetHeader.h"

#include <gtest/gtest.h>

#include <cstring>

#include "params/SETTINGS.h"

TEST(tcPresetHeader, FreshAndCleared) {
  tcPresetHeader h;
  EXPECT_EQ(h.present, 1);
  EXPECT_EQ(h.map_version, 0xFFFF);
  EXPECT_EQ(h.name_text(), "");
  h.clear();
  EXPECT_EQ(h.present, 0);
  EXPECT_EQ(h.map_version, 0);
  const char forty[] = "0123456789012345678901234567890123456789xyz";
  h.set_name(forty);
  EXPECT_EQ(h.name_text().length(), 40);  // no terminator inside the 40 bytes
  EXPECT_EQ(std::memcmp(h.name, forty, 40), 0);
  h.set_name("Rock");
  EXPECT_EQ(h.name_text(), "Rock");
  EXPECT_EQ(h.name[4], 0);
  EXPECT_EQ(h.name[39], 0);
}

TEST(tcPresetHeader, EqualityAndCopyLeaveWordsAndTextsOut) {
  tcPresetHeader a, b;
  a.set_name("Talk");
  b.set_name("Talk");
  a.word_a = 1;
  a.word_b = 2;
  a.text_a[0] = 'x';
  b.text_b[3] = 'y';
  EXPECT_EQ(a, b);
  for (auto change :
       {+[](tcPresetHeader& h) { h.status = 1; }, +[](tcPresetHeader& h) { h.present = 0; },
        +[](tcPresetHeader& h) { h.check[3] = 9; }, +[](tcPresetHeader& h) { h.count[1] = 9; },
        +[](tcPresetHeader& h) { h.map_version = 4; },
        +[](tcPresetHeader& h) { h.name[39] = 'z'; }}) {
    tcPresetHeader c = b;
    change(c);
    EXPECT_NE(c, b);
    tcPresetHeader d;
    d.word_a = 77;
    d.text_a[0] = 'q';
    d.copy_from(c);
    EXPECT_EQ(d, c);
    EXPECT_EQ(d.word_a, 77u);
    EXPECT_EQ(d.text_a[0], 'q');
  }
}

TEST(tcPresetHeader, TakesTheSetsCheckSums) {
  SETTINGS s;
  s.set_float(0x1001, 3, kSourceSilent);
  tcPresetHeader h;
  h.check[3] = 0xABCD;
  h.take_checksums(s);
  uint16_t n;
  EXPECT_EQ(h.check[tcPresetHeader::kNormal], s.checksum(tcSettings::kNormal, &n));
  EXPECT_EQ(h.check[tcPresetHeader::kIo], s.checksum(tcSettings::kIo, &n));
  EXPECT_EQ(h.check[tcPresetHeader::kSecret], s.checksum(tcSettings::kSecret, &n));
  EXPECT_EQ(h.count[0], 406);
  EXPECT_EQ(h.count[1], 23);
  EXPECT_EQ(h.count[2], 28);
  EXPECT_EQ(h.check[3], 0xABCDu);
}
