#include "skin/draggers/tcDraggerColumns.h"

const float tcDraggerColumns::kThirdOctaveHz[kThirdOctaves] = {
    20.0f,   25.0f,   31.5f,   40.0f,    50.0f,    63.0f,    80.0f,   100.0f,
    125.0f,  160.0f,  200.0f,  250.0f,   320.0f,   400.0f,   500.0f,  640.0f,
    800.0f,  1000.0f, 1280.0f, 1600.0f,  2000.0f,  2500.0f,  3200.0f, 4000.0f,
    5000.0f, 6400.0f, 8000.0f, 10000.0f, 12500.0f, 16000.0f, 20000.0f};

std::vector<int> tcDraggerColumns::third_octave_positions(const tcGuiGraph::Axis& x_axis) {
  std::vector<int> xs(kThirdOctaves);
  for (int i = 0; i < kThirdOctaves; ++i) xs[i] = tcGuiGraph::to_pixel(x_axis, kThirdOctaveHz[i]);
  return xs;
}

int tcDraggerColumns::zone_of(int x, const std::vector<int>& positions, int width) {
  const int n = static_cast<int>(positions.size());
  if (n == 0 || x < 0 || x > width) return -1;
  for (int i = 0; i + 1 < n; ++i) {
    // Midpoint in 64 bits: positions come from axis mappings and may be huge.
    const long long mid = (static_cast<long long>(positions[i]) + positions[i + 1]) / 2;
    if (x < mid) return i;
  }
  return n - 1;
}
