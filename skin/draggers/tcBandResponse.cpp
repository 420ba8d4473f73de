#include "skin/draggers/tcBandResponse.h"

#include <cmath>
#include <complex>

double tcBandResponse::db(double f, double f0, double w, double g) {
  // A band without a usable centre or width leaves the signal alone.
  if (!(f > 0.0) || !(f0 > 0.0) || !(w > 0.0)) return 0.0;
  double q = 1.0 / w;
  if (g < 0.0) q *= std::pow(10.0, g / 20.0);
  const double gain = std::pow(10.0, g / 20.0);
  const double r = f / f0;
  const double x = r - 1.0 / r;
  const double m = 1.0 / std::sqrt(1.0 + (q * x) * (q * x));
  const double phi = std::atan(-q * x);
  const std::complex<double> h = 1.0 + (gain - 1.0) * m * std::polar(1.0, phi);
  return 20.0 * std::log10(std::abs(h));
}

double tcBandResponse::frequency(int i, int n) {
  if (n < 2) return kLowHz;
  if (i == n - 1) return kHighHz;  // exactly, whatever the rounding of the steps
  return kLowHz * std::exp(std::log(kHighHz / kLowHz) * i / (n - 1));
}

void tcBandResponse::sample(double f0, double w, double g, float* out, int n) {
  for (int i = 0; i < n; ++i) out[i] = static_cast<float>(db(frequency(i, n), f0, w, g));
}
