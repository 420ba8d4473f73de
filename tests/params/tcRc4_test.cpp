#include "params/tcRc4.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {
QByteArray stream(const QByteArray& key, int length) {
  tcRc4 rc4(reinterpret_cast<const uint8_t*>(key.constData()), static_cast<size_t>(key.size()));
  QByteArray out(length, '\0');
  rc4.apply(reinterpret_cast<uint8_t*>(out.data()), static_cast<size_t>(length));
  return out;
}
}  // namespace

TEST(tcRc4, MatchesPublishedVectors) {
  // The classic "Key" / "Plaintext" pair.
  QByteArray text("Plaintext");
  tcRc4 rc4(reinterpret_cast<const uint8_t*>("Key"), 3);
  rc4.apply(reinterpret_cast<uint8_t*>(text.data()), static_cast<size_t>(text.size()));
  EXPECT_EQ(text.toHex(), QByteArray("bbf316e8d940af0ad3"));
  // Key streams for the 40-bit and 56-bit keys 01 02 03 ..., offset 0.
  EXPECT_EQ(stream(QByteArray::fromHex("0102030405"), 16).toHex(),
            QByteArray("b2396305f03dc027ccc3524a0a1118a8"));
  EXPECT_EQ(stream(QByteArray::fromHex("01020304050607"), 16).toHex(),
            QByteArray("293f02d47f37c9b633f2af5285feb46b"));
}

TEST(tcRc4, PresetKeyStream) {
  tcRc4 rc4 = tcRc4::preset();
  QByteArray out(32, '\0');
  rc4.apply(reinterpret_cast<uint8_t*>(out.data()), 32);
  EXPECT_EQ(out.toHex(), QByteArray("e4006c01fbcee4546d7513031d0b80e5"
                                    "b93a58e123357df811c48baae7d860da"));
}
