#include "skin/file/tcSkinFile.h"

#include <gtest/gtest.h>

namespace {

const char kHeader[] = "SKIN\0\0\0\0\0\0\0\0\0\0\0\0";

QByteArray bytes(const char* data, int size) {
  return QByteArray(data, size);
}

// A hand-made entry: marker, N and S as given, then the raw name bytes.
QByteArray raw_entry(const QByteArray& name_field, uint16_t n, uint32_t s, const QByteArray& data,
                     uint16_t marker = 0x4A47) {
  QByteArray out;
  out.append(char(marker & 0xFF)).append(char(marker >> 8));
  out.append(char(n & 0xFF)).append(char(n >> 8));
  for (int shift = 0; shift < 32; shift += 8) out.append(char((s >> shift) & 0xFF));
  return out + name_field + data;
}

QByteArray good_entry(const QByteArray& name, const QByteArray& data) {
  return raw_entry(name + '\0', uint16_t(name.size() + 1), uint32_t(data.size()), data);
}

}  // namespace

TEST(tcSkinFile, EncodesGoldenBytes) {
  const QList<tcSkinEntry> entries = {{"a.xml", "<x/>"}, {"B.png", QByteArray("\x01\x00", 2)}};
  const char golden[] =
      "SKIN\0\0\0\0\0\0\0\0\0\0\0\0"
      "\x47\x4A\x06\x00\x04\x00\x00\x00"
      "a.xml\0<x/>"
      "\x47\x4A\x06\x00\x02\x00\x00\x00"
      "B.png\0\x01\x00";
  const QByteArray expected = bytes(golden, sizeof golden - 1);
  EXPECT_EQ(tcSkinFile::encode(entries), expected);

  const tcSkinFile::Decoded decoded = tcSkinFile::decode(expected);
  EXPECT_EQ(decoded.verdict, tcSkinFile::kOk);
  ASSERT_EQ(decoded.entries.size(), 2);
  EXPECT_EQ(decoded.entries[0].name, "a.xml");
  EXPECT_EQ(decoded.entries[0].data, "<x/>");
  EXPECT_EQ(decoded.entries[1].name, "B.png");
  EXPECT_EQ(decoded.entries[1].data, QByteArray("\x01\x00", 2));
}

TEST(tcSkinFile, HeaderOnlyIsAnEmptySkin) {
  EXPECT_EQ(tcSkinFile::encode({}), bytes(kHeader, 16));
  const tcSkinFile::Decoded decoded = tcSkinFile::decode(bytes(kHeader, 16));
  EXPECT_EQ(decoded.verdict, tcSkinFile::kOk);
  EXPECT_TRUE(decoded.entries.isEmpty());
  // Up to 7 bytes after the last entry are no entry header: the entries end there.
  EXPECT_EQ(
      tcSkinFile::decode(bytes(kHeader, 16) + bytes("\x47\x4A\x06\x00\x04\x00\x00", 7)).verdict,
      tcSkinFile::kOk);
}

TEST(tcSkinFile, ChecksOnlyTheMagic) {
  EXPECT_EQ(tcSkinFile::decode(bytes(kHeader, 15)).verdict, tcSkinFile::kShortHeader);
  EXPECT_EQ(tcSkinFile::decode(QByteArray()).verdict, tcSkinFile::kShortHeader);
  EXPECT_EQ(tcSkinFile::decode(QByteArray("SKIn") + QByteArray(12, '\0')).verdict,
            tcSkinFile::kBadMagic);
  EXPECT_EQ(tcSkinFile::decode(QByteArray("NIKS") + QByteArray(12, '\0')).verdict,
            tcSkinFile::kBadMagic);

  // Reserved bytes and the entry marker may hold anything.
  const QByteArray odd = QByteArray("SKIN") + QByteArray(12, '\xA5') +
                         raw_entry(bytes("x.png\0", 6), 6, 1, "Z", 0x1234);
  const tcSkinFile::Decoded decoded = tcSkinFile::decode(odd);
  EXPECT_EQ(decoded.verdict, tcSkinFile::kOk);
  ASSERT_EQ(decoded.entries.size(), 1);
  EXPECT_EQ(decoded.entries[0].name, "x.png");
  EXPECT_EQ(decoded.entries[0].data, "Z");
}

TEST(tcSkinFile, NameEndsAtItsFirstNul) {
  const QByteArray file = bytes(kHeader, 16) + raw_entry(bytes("a.qss\0junk", 10), 10, 2, "ok") +
                          good_entry("a.qss", "later");
  const tcSkinFile::Decoded decoded = tcSkinFile::decode(file);
  EXPECT_EQ(decoded.verdict, tcSkinFile::kOk);
  ASSERT_EQ(decoded.entries.size(), 2);
  EXPECT_EQ(decoded.entries[0].name, "a.qss");
  EXPECT_EQ(decoded.entries[0].data, "ok");
  // The same name twice stays two entries, in file order.
  EXPECT_EQ(decoded.entries[1].name, "a.qss");
  EXPECT_EQ(decoded.entries[1].data, "later");
}

TEST(tcSkinFile, UnsafeNamesStopDecodingAndKeepEarlierEntries) {
  const QByteArray first = good_entry("skin.xml", "<skin/>");
  const QList<QByteArray> hostile = {
      good_entry("../x", "evil"),
      good_entry("a/b", "evil"),
      good_entry("a\\b", "evil"),
      good_entry("/etc/x", "evil"),
      good_entry("..", "evil"),
      good_entry(".", "evil"),
      good_entry("", "evil"),
      raw_entry("abcd", 4, 4, "evil"),            // no NUL within N
      raw_entry(bytes("ab\0", 3), 2, 4, "evil"),  // NUL only past N
      raw_entry(QByteArray(), 0, 4, "evil"),      // N of 0 has no room for the NUL
  };
  for (const QByteArray& bad : hostile) {
    const tcSkinFile::Decoded decoded =
        tcSkinFile::decode(bytes(kHeader, 16) + first + bad + good_entry("after.png", "x"));
    EXPECT_EQ(decoded.verdict, tcSkinFile::kUnsafeName) << bad.toHex().constData();
    ASSERT_EQ(decoded.entries.size(), 1) << bad.toHex().constData();
    EXPECT_EQ(decoded.entries[0].name, "skin.xml");
    EXPECT_EQ(decoded.bad_entry, 1);
    EXPECT_TRUE(
        tcSkinFile::damage_text(decoded, "s.skin").startsWith("Skin \"s.skin\" is damaged"));
  }
  // N running past the end of the file without a NUL.
  EXPECT_EQ(tcSkinFile::decode(bytes(kHeader, 16) + first + raw_entry("abc", 40, 0, "")).verdict,
            tcSkinFile::kUnsafeName);
  // Names that merely contain dots are plain file names.
  EXPECT_TRUE(tcSkinFile::is_safe_name("..png"));
  EXPECT_TRUE(tcSkinFile::is_safe_name("a..b.xml"));
}

TEST(tcSkinFile, OversizeContentKeepsWhatIsThere) {
  const QByteArray file = bytes(kHeader, 16) + good_entry("a.xml", "<a/>") +
                          raw_entry(bytes("b.png\0", 6), 6, 1000, "short");
  const tcSkinFile::Decoded decoded = tcSkinFile::decode(file);
  EXPECT_EQ(decoded.verdict, tcSkinFile::kTruncated);
  ASSERT_EQ(decoded.entries.size(), 2);
  EXPECT_EQ(decoded.entries[1].name, "b.png");
  EXPECT_EQ(decoded.entries[1].data, "short");
  EXPECT_EQ(decoded.bad_entry, 1);
  EXPECT_EQ(tcSkinFile::damage_text(decoded, "s.skin"),
            "Skin \"s.skin\" is damaged: file \"b.png\" is cut short");

  // A name whose NUL is there but whose N bytes are not.
  const tcSkinFile::Decoded cut =
      tcSkinFile::decode(bytes(kHeader, 16) + raw_entry(bytes("c.png\0", 6), 9, 0, ""));
  EXPECT_EQ(cut.verdict, tcSkinFile::kTruncated);
  ASSERT_EQ(cut.entries.size(), 1);
  EXPECT_EQ(cut.entries[0].name, "c.png");
}

TEST(tcSkinFile, RefusesEntriesItCannotStore) {
  EXPECT_TRUE(tcSkinFile::encode_entry({"../x.png", "x"}).isEmpty());
  EXPECT_TRUE(tcSkinFile::encode_entry({"", "x"}).isEmpty());
  EXPECT_TRUE(tcSkinFile::encode_entry({QByteArray("a\0b", 3), "x"}).isEmpty());
  EXPECT_TRUE(tcSkinFile::encode_entry({QByteArray(0xFFFF, 'n'), "x"}).isEmpty());
  EXPECT_EQ(tcSkinFile::encode_entry({QByteArray(0xFFFE, 'n'), "x"}).size(), 8 + 0xFFFF + 1);
  EXPECT_TRUE(tcSkinFile::encode({{"a.png", "x"}, {"a/b.png", "y"}}).isEmpty());
}
