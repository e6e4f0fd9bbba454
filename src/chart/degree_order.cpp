// The objects in order of their degree within the sign, and whether the Moon
// perfects a major aspect before it leaves its sign.
#include <cmath>
#include <cstdlib>
#include <utility>

#include "chart/calculate_chart.h"

namespace kairotex {
namespace {

int SignNumber(double lon) {
  return static_cast<int>(std::floor(lon / 30.0)) + 1;
}

}  // namespace

void SortByDegreeInSign(ChartState& s, const OptionsTable& o) {
  constexpr int kSorted = 15;  // Chiron is left out
  for (int i = 1; i <= kSorted; ++i) {
    double degree = s.ObjectLon[i];
    while (degree >= 30.0) degree -= 30.0;
    s.DegreeOrder[i] = degree;
    s.DegreeOrderObject[i] = i;
  }
  for (int i = 1; i < kSorted; ++i) {
    for (int j = i + 1; j <= kSorted; ++j) {
      if (s.DegreeOrder[j] <= s.DegreeOrder[i]) {
        std::swap(s.DegreeOrder[i], s.DegreeOrder[j]);
        std::swap(s.DegreeOrderObject[i], s.DegreeOrderObject[j]);
      }
    }
  }
  // The Moon applies when an object later in its sign stands in the Moon's
  // sign or in a sign of sextile, square, trine or opposition to it.
  s.MoonAppliesFlag = 0;
  int moon_at = 1;
  while (moon_at <= kSorted && s.DegreeOrderObject[moon_at] != kMoon) ++moon_at;
  const int moon_sign = SignNumber(s.ObjectLon[kMoon]);
  for (int k = moon_at; k <= kSorted; ++k) {
    const int object = s.DegreeOrderObject[k];
    const bool counts = object != kMoon && object != kNorthNode && object != kSouthNode &&
                        object != kAscendant && object != kMidheaven &&
                        (object != kPartOfFortune || o[8] != 0.0f);
    if (!counts) continue;
    const int apart = std::abs(SignNumber(s.ObjectLon[object]) - moon_sign);
    if (apart == 0 || apart == 2 || apart == 3 || apart == 4 || apart == 6 || apart == 8 ||
        apart == 9 || apart == 10) {
      s.MoonAppliesFlag = 1;
    }
  }
}

}  // namespace kairotex
