#pragma once
// Per-band level statistics of the E vs F and SDR displays: a ring of the last
// 16 spectrum frames, the mean over the integration length, and a high-peak and
// a low-peak envelope that jump to a new extreme at once and fall back toward
// the current level by a fraction of the distance each frame. All in dB.
#include <array>

#include "link/protocol/tcSpectrum.h"

class tcBandDynamics {
 public:
  static constexpr int kRing = 16;
  static constexpr int kMinRelease = 1;
  static constexpr int kMaxRelease = 50;

  void reset();
  // Frames averaged, 1 to 16.
  void set_frames(int n);
  int frames() const { return frames_; }
  // Release rate 1 to 50: each frame an envelope moves rate * 0.005 of its
  // distance to the current level.
  void set_release(int rate);
  int release() const { return release_; }

  void add(const tcSpectrum::Levels& levels);

  int count() const { return count_; }  // frames held, up to kRing
  bool empty() const { return count_ == 0; }
  double average(int band) const { return average_[band]; }
  double high(int band) const { return high_[band]; }
  double low(int band) const { return low_[band]; }

  // Pixel value of a level in a plot `h` pixels high showing db_top down to
  // db_top - db_range: 0 at the bottom, h at the top.
  static int pixel(double db, int db_top, int db_range, int h);

 private:
  std::array<tcSpectrum::Levels, kRing> ring_{};
  int next_ = 0;
  int count_ = 0;
  int frames_ = 4;
  int release_ = 10;
  tcSpectrum::Levels average_{};
  tcSpectrum::Levels high_{};
  tcSpectrum::Levels low_{};
};
