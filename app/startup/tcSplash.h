#pragma once
// The start-up splash screen (and, on another image, the about box): the image
// with three centred text bands - title, version line, maker's notice.
#include <QSplashScreen>

class tcSplash : public QSplashScreen {
  Q_OBJECT
 public:
  static constexpr int kTitlePointSize = 11;
  static constexpr int kTextPointSize = 8;
  static constexpr int kBandTops[3] = {8, 26, 38};
  static constexpr int kBandShift = 50;  // each band lies this much lower than its number
  static constexpr int kBandHeight = 50;

  explicit tcSplash(const QPixmap& image);

  // "QX770HD Pro with Solvanix-IP and Quessa Technology".
  static QString title_text();
  // "Version: 2.8.0\tBuilt: <build date>, <build time>\n".
  static QString version_text();
  static QString notice_text();
  // Top of band 0..2 in image pixels.
  static int band_top(int band) { return kBandTops[band] + kBandShift; }

 protected:
  void drawContents(QPainter* painter) override;
};
