#include "metering/analysis/tcViewSettings.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/core/tcAnalysisConfig.h"

using K = tcViewSettings::Key;

TEST(tcViewSettings, TopAndRangeLimits) {
  tcViewSettings s;
  const auto check = [&](int top, int range) {
    s.db_top = top;
    s.db_range = range;
    return s.validate(K::kTopRange);
  };
  const QString range_error =
      QStringLiteral("Invalid db Range (12 to 50) \nand top - range must be greater than -50");
  EXPECT_EQ(check(-30, 20), range_error);  // top - range is -50: not above it
  EXPECT_EQ(check(-29, 20), QString());
  EXPECT_EQ(check(0, 49), QString());
  EXPECT_EQ(check(0, 50), range_error);
  EXPECT_EQ(check(0, 51), range_error);
  EXPECT_EQ(check(0, 11), range_error);
  EXPECT_EQ(check(-31, 12), QStringLiteral("Invalid dbFS Top (0 to -30)"));
  EXPECT_EQ(check(1, 12), QStringLiteral("Invalid dbFS Top (0 to -30)"));
  EXPECT_EQ(check(tcViewSettings::kNotANumber, 12), QStringLiteral("Invalid dbFS Top (0 to -30)"));
}

TEST(tcViewSettings, ChecksComeInTheOrderTheUserIsTold) {
  tcViewSettings s;
  s.space = 11;
  s.xshift = 0;
  s.yshift = 6;
  s.db_top = -40;
  const unsigned all = K::kTopRange | K::kSpace | K::kShift;
  EXPECT_EQ(s.validate(all), QStringLiteral("Invalid Spacing (0 to 10)"));
  EXPECT_EQ(s.validate(all & ~K::kSpace), QStringLiteral("Invalid X Shift (1 to 5)"));
  s.xshift = 5;
  EXPECT_EQ(s.validate(all & ~K::kSpace), QStringLiteral("Invalid Y Shift (1 to 5)"));
  EXPECT_EQ(s.validate(K::kTopRange), QStringLiteral("Invalid dbFS Top (0 to -30)"));
  // Keys a view does not use are not checked.
  EXPECT_EQ(s.validate(K::kHGrid), QString());
  s = tcViewSettings();
  s.bar_color = QStringLiteral("12345");
  EXPECT_FALSE(s.validate(K::kBarColour).isEmpty());
  s.bar_color = QStringLiteral("00AAFF");
  EXPECT_TRUE(s.validate(K::kBarColour).isEmpty());
}

TEST(tcViewSettings, ReadsDefaultsAndWritesOnlyItsKeys) {
  QTemporaryDir dir;
  tcAnalysisConfig config(dir.filePath(QStringLiteral("cfg.ini")));
  tcViewSettings def;
  def.db_top = -16;
  def.db_range = 12;
  def.gradient = QStringLiteral("0.0,000000");
  def.bar_color = QStringLiteral("00AAFF");
  tcViewSettings s;
  s.read(config, "SDR", def, K::kTopRange | K::kBarColour | K::kHGrid);
  EXPECT_EQ(s.db_top, -16);
  EXPECT_EQ(s.bar_color, QStringLiteral("00AAFF"));
  s.db_top = -20;
  s.bar_color = QStringLiteral("a0b0c0");
  s.write(config, "SDR", K::kTopRange | K::kBarColour);
  EXPECT_EQ(config.db_top("SDR", 0), -20);
  EXPECT_EQ(config.bar_color("SDR", ""), "A0B0C0");   // "%06X"
  EXPECT_EQ(config.gradient("SDR", "none"), "none");  // not one of its keys
  tcViewSettings back;
  back.read(config, "SDR", def, K::kTopRange | K::kBarColour);
  EXPECT_EQ(back.db_top, -20);
  EXPECT_EQ(back.db_range, 12);
}

TEST(tcViewSettings, ValuesTheDialogWouldRefuseReadAsDefaults) {
  QTemporaryDir dir;
  tcAnalysisConfig config(dir.filePath(QStringLiteral("cfg.ini")));
  config.set_db_top("SURFPLOT", -40);
  config.set_db_range("SURFPLOT", 0);  // would divide by zero
  config.set_xshift("SURFPLOT", 9);
  config.set_space("SURFPLOT", 4);
  tcViewSettings def;
  def.db_top = -12;
  def.db_range = 38;
  def.space = 1;
  tcViewSettings s;
  s.read(config, "SURFPLOT", def, K::kTopRange | K::kShift | K::kSpace);
  EXPECT_EQ(s.db_top, -12);
  EXPECT_EQ(s.db_range, 38);
  EXPECT_EQ(s.xshift, 2);
  EXPECT_EQ(s.space, 4);  // a good value stays
}
