// A bar paints from its two images and repaints only for new bytes.
#include "metering/meters/tcBarWidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPaintEvent>

namespace {

const QString kFg = QStringLiteral("0.0,00FF00;1.0,00FF00");
const QString kBg = QStringLiteral("0.0,002200;1.0,002200");

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  QRegion last;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      ++paints;
      last = static_cast<QPaintEvent*>(e)->region();
    }
    return false;
  }
};

}  // namespace

TEST(tcBarWidget, LevelBarShowsForegroundOverBackground) {
  QWidget panel;
  tcBarWidget bar(0, tcBarScale::kVertical, 0, kFg, kBg, 10, 20, 29, 140, &panel);
  EXPECT_EQ(bar.geometry(), QRect(10, 20, 20, 121));
  EXPECT_EQ(bar.value(), 0);  // a level bar starts at 0 (full)
  bar.set_values(60, 60);
  const QImage shot = bar.grab().toImage();
  EXPECT_EQ(shot.pixel(5, 10), 0xFF002200u);   // above the -15 dB point: background
  EXPECT_EQ(shot.pixel(5, 100), 0xFF00FF00u);  // below it: lit
}

TEST(tcBarWidget, ReductionMarkerInsideTheLitPartStillShows) {
  QWidget panel;
  tcBarWidget bar(6, tcBarScale::kVertical, 0, kFg, kBg, 0, 0, 9, 400, &panel);
  EXPECT_EQ(bar.value(), 255);  // nothing shown before the first record
  bar.set_values(40, 20);       // 10 dB of reduction, marker at 5 dB
  const QImage shot = bar.grab().toImage();
  const int marker_end = bar.scale().position(20);
  EXPECT_EQ(shot.pixel(5, marker_end - 2), 0xFF002200u);  // the notch
  EXPECT_EQ(shot.pixel(5, marker_end + 2), 0xFF00FF00u);  // lit below it
  EXPECT_EQ(shot.pixel(5, 390), 0xFF002200u);             // unlit beyond 10 dB
}

TEST(tcBarWidget, SeparatorsAreDrawnIntoTheImagesOnlyWhenWideEnough) {
  QWidget panel;
  tcBarWidget dense(0, tcBarScale::kVertical, 200, kFg, kBg, 0, 0, 9, 299, &panel);
  for (int y = 0; y < 300; ++y) ASSERT_EQ(dense.foreground().pixel(5, y), 0xFF00FF00u) << y;
  tcBarWidget leds(0, tcBarScale::kVertical, 10, kFg, kBg, 0, 0, 9, 299, &panel);
  EXPECT_EQ(leds.foreground().pixel(5, 30), tcBarWidget::kSeparatorColour);
  EXPECT_EQ(leds.background().pixel(5, 60), tcBarWidget::kSeparatorColour);
  EXPECT_EQ(leds.foreground().pixel(5, 31), 0xFF00FF00u);
}

TEST(tcBarWidget, ImagesAreBuiltPerSettingsChangeAndRepaintsOnlyForNewBytes) {
  QWidget panel;
  panel.resize(100, 200);
  tcBarWidget bar(6, tcBarScale::kVertical, 0, kFg, kBg, 0, 0, 9, 120, &panel);
  panel.show();
  QApplication::processEvents();
  PaintCounter counter;
  bar.installEventFilter(&counter);
  bar.set_values(20, 10);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 1);
  // Only the stretch between the old and new ends is drawn again.
  bar.set_values(24, 10);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 2);
  EXPECT_LT(counter.last.boundingRect().height(), bar.height() / 4);
  bar.set_values(24, 10);
  QApplication::processEvents();
  EXPECT_EQ(counter.paints, 2);
  EXPECT_EQ(bar.image_builds(), 1);
  bar.rebuild_images(kBg, kFg, 5);
  EXPECT_EQ(bar.image_builds(), 2);
  EXPECT_EQ(bar.leds(), 5);
}
