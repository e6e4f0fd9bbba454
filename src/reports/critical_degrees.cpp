#include "reports/critical_degrees.h"

#include <cmath>

namespace kairotex {
namespace {

struct Band {
  double low;
  double high;
};

// Within a quadrant: the ends, and half a degree about 90/7, 2 x 90/7 ... 6 x 90/7.
// The bounds are kept as published rather than computed from 90/7.
constexpr Band kBands[] = {
    {0.0, 0.5},           {12.357, 13.357},   {25.214, 26.214},       {38.071, 39.071},
    {50.92857, 51.92857}, {63.7857, 64.7857}, {76.642857, 77.642857},
};

}  // namespace

bool IsCriticalDegree(double lon) {
  // Reduce into the quadrant; fmod is exact, like subtracting 90 repeatedly.
  const double x = std::fmod(lon, 90.0);
  if (x >= 89.5 && x < 90.0) return true;
  for (const Band& band : kBands) {
    if (x >= band.low && x <= band.high) return true;
  }
  return false;
}

std::vector<int> CriticalObjects(const ChartState& chart) {
  std::vector<int> objects;
  for (int object = kSun; object <= kMoon; ++object) {
    if (IsCriticalDegree(chart.ObjectLon[object])) objects.push_back(object);
  }
  return objects;
}

}  // namespace kairotex
