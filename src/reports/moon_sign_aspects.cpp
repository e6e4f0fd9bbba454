#include "reports/moon_sign_aspects.h"

#include <cstdlib>

#include "chart/angles.h"
#include "reports/moon_degree_order.h"

namespace kairotex {
namespace {

// The nodes and the angles take no part in the Moon's aspects by sign.
bool SkippedBySign(int object) {
  return object == kNorthNode || object == kSouthNode || object == kAscendant ||
         object == kMidheaven;
}

}  // namespace

std::string_view SignAspectWord(int signs_apart) {
  switch (signs_apart) {
    case 0:
      return "CONJUNCT ";
    case 2:
    case 10:
      return "SEXTILE ";
    case 3:
    case 9:
      return "SQUARE ";
    case 4:
    case 8:
      return "TRINE ";
    case 6:
      return "OPPOSITE ";
    default:
      return {};
  }
}

MoonSignAspects ComputeMoonSignAspects(const ChartState& chart) {
  const int moon_sign = SplitLongitude(chart.ObjectLon[kMoon]).sign;
  MoonSignAspects result;
  bool past_moon = false;
  for (int object : ObjectsByDegreeInSign(chart)) {
    if (object == kMoon) {
      past_moon = true;
      continue;
    }
    if (SkippedBySign(object)) continue;
    const int apart = std::abs(SplitLongitude(chart.ObjectLon[object]).sign - moon_sign);
    const std::string_view word = SignAspectWord(apart);
    if (word.empty()) continue;
    (past_moon ? result.to : result.from).push_back({object, apart, word});
  }
  result.void_of_course = result.to.empty();
  return result;
}

}  // namespace kairotex
