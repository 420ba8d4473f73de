#include "app/core/tcString.h"

#include <gtest/gtest.h>

TEST(tcString, CapacityStartsAt32AndGrowsWith32Spare) {
  tcString s;
  EXPECT_EQ(s.capacity(), 32);
  EXPECT_EQ(s.length(), 0);
  s = "0123456789012345678901234567890";  // 31 characters still fit with the terminator
  EXPECT_EQ(s.capacity(), 32);
  s.append("xy");
  EXPECT_EQ(s.length(), 33);
  EXPECT_EQ(s.capacity(), 33 + 32);
  EXPECT_STREQ(s.c_str(), "0123456789012345678901234567890xy");
}

TEST(tcString, CheckValueSumsSignedBytes) {
  tcString s("AB");
  EXPECT_EQ(s.check(), 'A' + 'B');
  const char high[] = {'\xFF', 'A', 0};
  tcString h(high);
  EXPECT_EQ(h.check(), -1 + 'A');
  h.truncate(1);
  EXPECT_EQ(h.check(), -1);
  h.clear();
  EXPECT_EQ(h.check(), 0);
}

TEST(tcString, TextFromOutsideIsCutAtFirstZero) {
  const char raw[8] = {'a', 'b', 0, 'c', 'd', 'e', 'f', 'g'};
  tcString s(raw, sizeof raw);
  EXPECT_EQ(s.length(), 2);
  EXPECT_EQ(s, "ab");
  const char unterminated[4] = {'w', 'x', 'y', 'z'};
  EXPECT_EQ(tcString(unterminated, 4), "wxyz");
}

TEST(tcString, EqualityNeedsSameLengthCheckAndCharacters) {
  // "AD" and "BC" have the same length and check value; only the characters differ.
  EXPECT_EQ(tcString("AD").check(), tcString("BC").check());
  EXPECT_NE(tcString("AD"), tcString("BC"));
  EXPECT_EQ(tcString("Unknown"), tcString("Unknown"));
  EXPECT_NE(tcString("abc"), tcString("abcd"));
}

TEST(tcString, FormatAndSelfAppend) {
  tcString s;
  s.format("owner: %d", 42);
  EXPECT_EQ(s, "owner: 42");
  s.append(s.c_str());
  EXPECT_EQ(s, "owner: 42owner: 42");
  tcString moved(std::move(s));
  EXPECT_EQ(moved, "owner: 42owner: 42");
  EXPECT_STREQ(s.c_str(), "");  // NOLINT: a moved-from text stays usable
}
