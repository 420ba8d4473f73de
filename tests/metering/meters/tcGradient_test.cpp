#include "metering/meters/tcGradient.h"

#include <gtest/gtest.h>

TEST(tcGradient, ParsesStopsAndSkipsMalformedOnes) {
  const QGradientStops s = tcGradient::parse(
      QStringLiteral("1.0,FF0000; 0.5,00ff00;bad;0.2,12345;0.3,00FF00,1;x,0000FF"));
  ASSERT_EQ(s.size(), 2);
  EXPECT_DOUBLE_EQ(s[0].first, 0.5);  // sorted by position
  EXPECT_EQ(s[0].second.rgba(), 0xFF00FF00u);
  EXPECT_EQ(s[1].second.rgba(), 0xFFFF0000u);
}

TEST(tcGradient, EmptyOrUnusableTextFallsBackToTheFixedGradient) {
  for (const char* text : {"", ";;", "nothing,here"}) {
    const QGradientStops s = tcGradient::parse(QString::fromLatin1(text));
    ASSERT_EQ(s.size(), 3) << text;
    EXPECT_EQ(s[0].second.rgba(), 0xFF000040u);
    EXPECT_DOUBLE_EQ(s[1].first, 0.1);
    EXPECT_EQ(s[2].second.rgba(), 0xFFFF0000u);
  }
}

TEST(tcGradient, ColoursAreSixHexDigits) {
  QRgb c = 0;
  EXPECT_TRUE(tcGradient::parse_colour(QStringLiteral("00aaFF"), &c));
  EXPECT_EQ(c, 0xFF00AAFFu);
  EXPECT_FALSE(tcGradient::parse_colour(QStringLiteral("0AF"), &c));
  EXPECT_FALSE(tcGradient::parse_colour(QStringLiteral("GG0000"), &c));
  EXPECT_EQ(tcGradient::colour_or(QStringLiteral("12"), 0xFF010203u), 0xFF010203u);
  EXPECT_EQ(tcGradient::colour_text(0xFF00C0FF), QStringLiteral("00C0FF"));
}
