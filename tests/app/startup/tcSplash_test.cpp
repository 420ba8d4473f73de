#include "app/startup/tcSplash.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include "app/startup/tcAppContext.h"

TEST(tcSplash, Texts) {
  EXPECT_EQ(tcSplash::title_text(), "QX770HD Pro with Solvanix-IP and Quessa Technology");
  const QRegularExpression version(
      "^Version: 2\\.8\\.0\tBuilt: [A-Z][a-z]{2} [ 123]\\d \\d{4}, \\d\\d:\\d\\d:\\d\\d\n$");
  EXPECT_TRUE(version.match(tcSplash::version_text()).hasMatch())
      << tcSplash::version_text().toStdString();
  EXPECT_EQ(tcSplash::band_top(0), 58);
  EXPECT_EQ(tcSplash::band_top(1), 76);
  EXPECT_EQ(tcSplash::band_top(2), 88);
}

TEST(tcSplash, DrawsTheBandsInBlueOnTheImage) {
  tcAppContext::load_resources();
  const QPixmap image(QStringLiteral(":/Resources/morvallion_splash.bmp"));
  ASSERT_FALSE(image.isNull());
  tcSplash splash(image);
  QImage shot = splash.grab().toImage();
  ASSERT_EQ(shot.size(), image.size());
  // Some pixels of the title band carry the text colour; none above the bands changed.
  int blue = 0;
  for (int y = 58; y < 138; ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      if (c.blue() > 200 && c.red() < 60) ++blue;
    }
  }
  EXPECT_GT(blue, 100);
  const QImage original = image.toImage().convertToFormat(shot.format());
  EXPECT_EQ(shot.copy(0, 0, shot.width(), 50), original.copy(0, 0, shot.width(), 50));
  if (qEnvironmentVariableIsSet("QX_SPLASH_SHOT"))
    shot.save(qEnvironmentVariable("QX_SPLASH_SHOT"));
}
