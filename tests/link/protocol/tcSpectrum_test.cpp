#include "link/protocol/tcSpectrum.h"

#include <gtest/gtest.h>

#include <array>

TEST(tcSpectrum, BinBytesToDecibels) {
  EXPECT_DOUBLE_EQ(tcSpectrum::bin_db(0), -80.0);
  EXPECT_DOUBLE_EQ(tcSpectrum::bin_db(1), -80.0);
  EXPECT_NEAR(tcSpectrum::bin_db(2), -49.6, 0.01);
  EXPECT_NEAR(tcSpectrum::bin_db(128), -24.9, 0.01);
  EXPECT_DOUBLE_EQ(tcSpectrum::bin_db(255), 0.0);
}

TEST(tcSpectrum, BlockKindAndBandLevels) {
  std::array<uint8_t, tcSpectrum::kBlockSize> block{};
  EXPECT_FALSE(tcSpectrum::is_scope(block.data()));
  block[0] = 3;
  EXPECT_TRUE(tcSpectrum::is_scope(block.data()));
  block[0] = 2;  // only bit 0 counts
  EXPECT_FALSE(tcSpectrum::is_scope(block.data()));
  // Band 0 is bytes 1 to 16, band 30 bytes 481 to 496; the loudest bin counts.
  block[1] = 100;
  block[16] = 200;
  block[17] = 250;  // band 1
  block[496] = 255;
  block[497] = 255;  // past the last band
  const tcSpectrum::Levels levels = tcSpectrum::band_levels(block.data());
  EXPECT_DOUBLE_EQ(levels[0], tcSpectrum::bin_db(200));
  EXPECT_DOUBLE_EQ(levels[1], tcSpectrum::bin_db(250));
  EXPECT_DOUBLE_EQ(levels[2], -80.0);
  EXPECT_DOUBLE_EQ(levels[30], 0.0);
}
