#include "skin/tcGuiGraph.h"

#include <cmath>
#include <limits>

#include "skin/tcBenchMaster.h"

namespace {
// Conversion to a 32-bit integer toward zero, held inside the int range.
int trunc32(double v) {
  if (!(v == v)) return 0;
  if (v >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (v <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}
}  // namespace

tcGuiGraph::tcGuiGraph(tcBench* bench, int kind, int id, const tcString& name)
    : tcGuiObject(bench, kind, id, name) {}

tcGuiGraph::~tcGuiGraph() = default;

int tcGuiGraph::to_pixel(const Axis& a, float v) {
  const double span = static_cast<double>(a.maximum) - a.minimum;
  switch (a.kind) {
    case kLinearFromMax:
      return a.size - trunc32((v - a.minimum) / span * a.size + 0.5);
    case kLog:
      return trunc32(std::log10(static_cast<double>(v) / a.minimum) * a.size /
                         std::log10(static_cast<double>(a.maximum) / a.minimum) +
                     0.5);
    case kLinearFromMin:
      return trunc32((v - a.minimum) / span * a.size + 0.5);
    default:
      return 0;
  }
}

float tcGuiGraph::to_value(const Axis& a, int p) {
  const double span = static_cast<double>(a.maximum) - a.minimum;
  switch (a.kind) {
    case kLinearFromMax:
      return static_cast<float>((a.size - p) / static_cast<double>(a.size) * span + a.minimum);
    case kLog:
      return static_cast<float>(
          a.minimum *
          std::pow(10.0, std::log10(static_cast<double>(a.maximum) / a.minimum) * p / a.size));
    case kLinearFromMin:
      return static_cast<float>(p / static_cast<double>(a.size) * span + a.minimum);
    default:
      return 0.0f;
  }
}

void tcGuiGraph::set_colour(int arg, uint32_t colour) {
  if (arg >= 0 && arg < kBaseColours) colours_[arg] = colour;
}

void tcGuiGraph::colour_setter(tcXmlData& x, const char* value, int arg) {
  if (tcGuiGraph* self = tcBenchMaster::target<tcGuiGraph>(x)) {
    self->set_colour(arg, tcBenchMaster::of(x).colour(value));
  }
}
