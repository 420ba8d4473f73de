// Integration and peak envelopes of the band displays.
#include "metering/analysis/tcBandDynamics.h"

#include <gtest/gtest.h>

namespace {

tcSpectrum::Levels all(double db) {
  tcSpectrum::Levels l;
  l.fill(db);
  return l;
}

}  // namespace

TEST(tcBandDynamics, AveragesTheLastFramesOnly) {
  tcBandDynamics d;
  d.set_frames(2);
  d.add(all(-40));
  EXPECT_DOUBLE_EQ(d.average(0), -40);  // fewer frames than asked: those there are
  d.add(all(-20));
  EXPECT_DOUBLE_EQ(d.average(0), -30);
  d.add(all(-10));
  EXPECT_DOUBLE_EQ(d.average(5), -15);
  d.set_frames(99);
  EXPECT_EQ(d.frames(), tcBandDynamics::kRing);
  d.reset();
  EXPECT_TRUE(d.empty());
  d.add(all(-7));
  EXPECT_DOUBLE_EQ(d.average(0), -7);
  EXPECT_DOUBLE_EQ(d.high(0), -7);
  EXPECT_DOUBLE_EQ(d.low(0), -7);
}

TEST(tcBandDynamics, ReleaseRate50MovesAQuarterOfTheWayPerFrame) {
  tcBandDynamics d;
  d.set_frames(1);
  d.set_release(50);
  d.add(all(-10));
  d.add(all(-30));
  EXPECT_DOUBLE_EQ(d.high(0), -15);  // a quarter of 20 dB
  d.add(all(-30));
  EXPECT_DOUBLE_EQ(d.high(0), -18.75);
  d.add(all(0));
  EXPECT_DOUBLE_EQ(d.high(0), 0);  // louder: taken at once
  // The low envelope mirrors it.
  EXPECT_DOUBLE_EQ(d.low(0), -30 + 30 * 0.25);
  d.set_release(10);
  EXPECT_EQ(d.release(), 10);
  d.set_release(0);
  EXPECT_EQ(d.release(), tcBandDynamics::kMinRelease);
}

TEST(tcBandDynamics, EnvelopesNeverCrossTheAveragedBar) {
  tcBandDynamics d;
  d.set_frames(16);
  d.set_release(50);
  for (int i = 0; i < 16; ++i) d.add(all(0));
  d.add(all(-40));
  // Released a quarter of the way (to -10) the high peak would sit below the
  // slow average (-2.5): it is held at the average.
  EXPECT_DOUBLE_EQ(d.average(0), -2.5);
  EXPECT_DOUBLE_EQ(d.high(0), -2.5);
  EXPECT_DOUBLE_EQ(d.low(0), -40);
  for (int i = 0; i < 16; ++i) d.add(all(-40));
  d.add(all(0));
  // Mirrored: the low peak is kept from showing louder than the bar.
  EXPECT_DOUBLE_EQ(d.average(0), -37.5);
  EXPECT_DOUBLE_EQ(d.low(0), -37.5);
  EXPECT_DOUBLE_EQ(d.high(0), 0);
}

TEST(tcBandDynamics, PixelOfALevel) {
  EXPECT_EQ(tcBandDynamics::pixel(-12, -12, 38, 100), 100);  // top of the plot
  EXPECT_EQ(tcBandDynamics::pixel(-50, -12, 38, 100), 0);
  EXPECT_EQ(tcBandDynamics::pixel(-31, -12, 38, 100), 50);
}
