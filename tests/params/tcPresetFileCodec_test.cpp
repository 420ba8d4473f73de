#include "params/tcPresetFileCodec.h"

#include <gtest/gtest.h>

#include "tests/params/tcPresetFileGolden.h"

namespace {

const QByteArray kCurrent = golden::current();
const QByteArray kOlder = golden::older();

int type_of(uint16_t id) {
  switch (id) {
    case 0x1001:
      return 1;
    case 0x1005:
      return 3;
    case 0x1300:
      return 2;
    default:
      return -1;
  }
}

tcPresetFileImage sample() {
  tcPresetFileImage image;
  image.name = "Rock";
  image.created = 0x5F5E1000;
  image.word_a = 0xDEADBEEF;  // never written back
  image.word_b = 0xCAFEF00D;
  for (int n = 0; n < 40; ++n) image.text_a[n] = static_cast<uint8_t>(n + 1);
  const char side[] = "B-side";
  for (int n = 0; side[n]; ++n) image.text_b[n] = static_cast<uint8_t>(side[n]);
  image.map_version = 0xFFFE;
  image.records = {{0x1001, tcPresetFileCodec::bits_of(-6.5f)}, {0x1005, 1}, {0x1300, 1}};
  return image;
}

void expect_sample_body(const tcPresetFileImage& image) {
  const tcPresetFileImage want = sample();
  EXPECT_EQ(image.text_a, want.text_a);
  EXPECT_EQ(image.text_b, want.text_b);
  ASSERT_EQ(image.records.size(), 3u);
  EXPECT_EQ(image.records[0].id, 0x1001);
  EXPECT_EQ(tcPresetFileCodec::float_of(image.records[0].value), -6.5f);
  EXPECT_EQ(image.records[1].id, 0x1005);
  EXPECT_EQ(image.records[1].value, 1u);
  EXPECT_EQ(image.records[2].id, 0x1300);
}

}  // namespace

TEST(tcPresetFileCodec, WritesGoldenBytesWithWordsAAndBZero) {
  EXPECT_EQ(tcPresetFileCodec::encode(sample()).toHex(), kCurrent.toHex());
}

TEST(tcPresetFileCodec, ReadsCurrentForm) {
  tcPresetFileImage image;
  ASSERT_EQ(tcPresetFileCodec::decode(kCurrent, tcPresetFileCodec::kWhole, type_of, &image), 0);
  EXPECT_EQ(image.form, tcPresetFileImage::kCurrent);
  EXPECT_EQ(image.name, QByteArray("Rock"));
  EXPECT_EQ(image.created, 0x5F5E1000u);
  EXPECT_EQ(image.word_a, 0u);
  EXPECT_EQ(image.map_version, 0xFFFE);
  expect_sample_body(image);

  ASSERT_EQ(tcPresetFileCodec::decode(kCurrent, tcPresetFileCodec::kHeaderOnly, type_of, &image),
            0);
  EXPECT_EQ(image.map_version, 0xFFFE);
  EXPECT_TRUE(image.records.empty());
}

TEST(tcPresetFileCodec, ReadsOlderBinaryFormWithoutMapVersion) {
  tcPresetFileImage image;
  ASSERT_EQ(tcPresetFileCodec::decode(kOlder, tcPresetFileCodec::kWhole, type_of, &image), 0);
  EXPECT_EQ(image.form, tcPresetFileImage::kOlderBinary);
  EXPECT_EQ(image.name, QByteArray("Old Rock"));
  EXPECT_EQ(image.map_version, 0);
  EXPECT_EQ(image.word_a, 0xA1A2A3A4u);
  EXPECT_EQ(image.word_b, 0xB1B2B3B4u);
  expect_sample_body(image);
}

TEST(tcPresetFileCodec, ReadsTextForm) {
  const QByteArray text(
      "TK9000 PRESET FILE:Text One:more\r\n"
      "4097:-6.5\r\n"
      "abc:3\r\n"
      "0:5\r\n"
      "4101:7\n"
      "4864: 2\n"
      "9999:1\n");
  tcPresetFileImage image;
  ASSERT_EQ(tcPresetFileCodec::decode(text, tcPresetFileCodec::kWhole, type_of, &image), 0);
  EXPECT_EQ(image.form, tcPresetFileImage::kText);
  EXPECT_EQ(image.name, QByteArray("Text One"));
  EXPECT_EQ(image.map_version, 0);
  ASSERT_EQ(image.records.size(), 3u);
  EXPECT_EQ(tcPresetFileCodec::float_of(image.records[0].value), -6.5f);
  EXPECT_EQ(image.records[1].id, 0x1005);
  EXPECT_EQ(image.records[1].value, 7u);
  EXPECT_EQ(image.records[2].id, 0x1300);
  EXPECT_EQ(image.records[2].value, 2u);
}

TEST(tcPresetFileCodec, RefusesOtherFiles) {
  tcPresetFileImage image;
  for (const QByteArray& bytes :
       {QByteArray(), QByteArray("hello\n"), QByteArray("quessa tk9000 sg preset:x: \n"),
        QByteArray("QUESSA TK9000 SG PRESETS:x: \n"), QByteArray(2000, 'Q')}) {
    EXPECT_EQ(tcPresetFileCodec::decode(bytes, tcPresetFileCodec::kWhole, type_of, &image), 1);
  }
}

TEST(tcPresetFileCodec, TruncatedFilesNeverReadPastTheEnd) {
  const int line = kCurrent.indexOf('\n') + 1;
  const int header = line + tcPresetFileCodec::kCommonHeaderSize + 2;
  for (int size = line; size <= kCurrent.size(); ++size) {
    // A fresh copy, so that the sanitizer sees any read past the end.
    const QByteArray cut(kCurrent.constData(), size);
    tcPresetFileImage image;
    const int result = tcPresetFileCodec::decode(cut, tcPresetFileCodec::kWhole, type_of, &image);
    if (size < header) {
      EXPECT_EQ(result, tcPresetFileCodec::kTruncated) << size;
      EXPECT_TRUE(image.name.isEmpty());
    } else {
      EXPECT_EQ(result, 0) << size;
      EXPECT_EQ(static_cast<int>(image.records.size()), (size - header) / 6) << size;
    }
  }
}

TEST(tcPresetFileCodec, NameWithLineBreakKeepsTheStreamInStep) {
  tcPresetFileImage written = sample();
  written.name = "Two\nLines";
  tcPresetFileImage image;
  ASSERT_EQ(tcPresetFileCodec::decode(tcPresetFileCodec::encode(written), tcPresetFileCodec::kWhole,
                                      type_of, &image),
            0);
  EXPECT_EQ(image.name, QByteArray("Two Lines"));
  expect_sample_body(image);
}
