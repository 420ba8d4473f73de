#include "skin/draggers/tcBandResponse.h"

#include <gtest/gtest.h>

#include <vector>

TEST(tcBandResponse, FlatAtZeroGainAndGainAtCentre) {
  for (double f : {20.0, 440.0, 1000.0, 20000.0})
    EXPECT_NEAR(tcBandResponse::db(f, 1000.0, 1.0, 0.0), 0.0, 1e-12);
  for (double g : {-14.0, -4.0, 3.0, 14.0}) {
    for (double w : {0.2, 1.0, 3.0}) EXPECT_NEAR(tcBandResponse::db(2800.0, 2800.0, w, g), g, 1e-9);
  }
  // Far from the centre a band leaves the signal alone.
  EXPECT_NEAR(tcBandResponse::db(20.0, 16000.0, 2.5, 8.0), 0.0, 0.01);
  // A wider band reaches further; a cut narrows with its depth.
  EXPECT_GT(tcBandResponse::db(500.0, 1000.0, 3.0, 6.0),
            tcBandResponse::db(500.0, 1000.0, 0.5, 6.0));
  EXPECT_LT(std::abs(tcBandResponse::db(500.0, 1000.0, 1.0, -12.0)),
            std::abs(tcBandResponse::db(500.0, 1000.0, 1.0, 12.0)));
}

TEST(tcBandResponse, DegenerateBandsAreFlat) {
  EXPECT_EQ(tcBandResponse::db(100.0, 0.0, 1.0, 6.0), 0.0);
  EXPECT_EQ(tcBandResponse::db(100.0, 100.0, 0.0, 6.0), 0.0);
  EXPECT_EQ(tcBandResponse::db(0.0, 100.0, 1.0, 6.0), 0.0);
}

TEST(tcBandResponse, CurveRunsFrom20HzTo20kHz) {
  const int n = 300;
  EXPECT_DOUBLE_EQ(tcBandResponse::frequency(0, n), 20.0);
  EXPECT_DOUBLE_EQ(tcBandResponse::frequency(n - 1, n), 20000.0);
  EXPECT_NEAR(tcBandResponse::frequency(1, n) / tcBandResponse::frequency(0, n),
              tcBandResponse::frequency(n - 1, n) / tcBandResponse::frequency(n - 2, n), 1e-9);
  std::vector<float> curve(n);
  tcBandResponse::sample(20.0, 1.0, 6.0, curve.data(), n);
  EXPECT_NEAR(curve[0], 6.0f, 1e-5);
  tcBandResponse::sample(20000.0, 1.0, -5.0, curve.data(), n);
  EXPECT_NEAR(curve[n - 1], -5.0f, 1e-5);
  EXPECT_DOUBLE_EQ(tcBandResponse::frequency(0, 1), 20.0);  // a one-column plot
}
