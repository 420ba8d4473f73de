#include "metering/analysis/tcBandDynamics.h"

#include <algorithm>
#include <cmath>

void tcBandDynamics::reset() {
  next_ = 0;
  count_ = 0;
}

void tcBandDynamics::set_frames(int n) {
  frames_ = std::clamp(n, 1, kRing);
}

void tcBandDynamics::set_release(int rate) {
  release_ = std::clamp(rate, kMinRelease, kMaxRelease);
}

void tcBandDynamics::add(const tcSpectrum::Levels& levels) {
  ring_[static_cast<size_t>(next_)] = levels;
  next_ = (next_ + 1) % kRing;
  const bool first = count_ == 0;
  count_ = std::min(count_ + 1, kRing);
  const int n = std::min(frames_, count_);
  const double k = release_ * 0.005;
  for (int b = 0; b < tcSpectrum::kBands; ++b) {
    double sum = 0;
    for (int i = 1; i <= n; ++i) sum += ring_[static_cast<size_t>((next_ - i + kRing) % kRing)][b];
    const double avg = sum / n;
    const double now = levels[b];
    average_[b] = avg;
    if (first) {
      high_[b] = low_[b] = now;
      continue;
    }
    // High peak: a louder level is taken at once, otherwise the envelope falls
    // toward it; it never shows quieter than the averaged bar.
    double& hi = high_[b];
    hi = now > hi ? now : hi - (hi - now) * k;
    if (avg > hi) hi = avg;
    // Low peak, mirrored: it never shows louder than the averaged bar, so the
    // two markers always bracket the bar.
    double& lo = low_[b];
    lo = now < lo ? now : lo + (now - lo) * k;
    if (avg < lo) lo = avg;
  }
}

int tcBandDynamics::pixel(double db, int db_top, int db_range, int h) {
  const double x = (db_top - db) / db_range;
  return h - static_cast<int>(std::floor(x * h + 0.5));
}
