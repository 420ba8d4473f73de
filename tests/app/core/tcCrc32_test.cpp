#include "app/core/tcCrc32.h"

#include <gtest/gtest.h>

TEST(tcCrc32, MatchesPublishedCheckValues) {
  EXPECT_EQ(tcCrc32::of_text("123456789"), 0xCBF43926u);
  EXPECT_EQ(tcCrc32::of_text(""), 0u);
  EXPECT_EQ(tcCrc32::of_text("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(tcCrc32, RunningFormEqualsOneShot) {
  const char text[] = "123456789";
  uint32_t running = tcCrc32::start();
  running = tcCrc32::update(running, text, 4);
  running = tcCrc32::update(running, text + 4, 5);
  EXPECT_EQ(tcCrc32::finish(running), 0xCBF43926u);
}
