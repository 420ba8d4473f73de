#pragma once
// The response of one parametric-equaliser band (a peaking filter) and the
// sampling of a response curve from 20 Hz to 20 kHz, one point per plot column.

class tcBandResponse {
 public:
  static constexpr double kLowHz = 20.0;
  static constexpr double kHighHz = 20000.0;

  // Level in dB at frequency f of a band with centre f0 (Hz), width w and gain
  // g (dB): 0 dB far from f0, g dB at f0. A cut narrows with its depth.
  static double db(double f, double f0, double w, double g);
  // Frequency of point i of an n-point curve: 20 Hz times k^i with
  // k = 1000^(1 / (n - 1)), so point n - 1 lies at 20 kHz.
  static double frequency(int i, int n);
  // Fills n points of a band's curve.
  static void sample(double f0, double w, double g, float* out, int n);
};
