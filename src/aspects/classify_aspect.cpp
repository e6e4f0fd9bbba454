#include "aspects/classify_aspect.h"

#include <cmath>

namespace kairotex {
namespace {

struct AspectTest {
  float angle;
  int orb_line;  // line of the orb file: code - 1
  int code;
};

// Run in this order, each test that holds overwriting the code, so that where
// orbs overlap the later test wins. The conjunction follows them all.
constexpr AspectTest kAspectTests[] = {
    {60.0f, 2, kSextile},       {90.0f, 3, kSquare},           {120.0f, 4, kTrine},
    {180.0f, 5, kOpposition},   {30.0f, 7, kSemisextile},      {45.0f, 8, kSemisquare},
    {135.0f, 9, kSesquisquare}, {150.0f, 10, kQuincunx},       {36.0f, 11, kSemiquintile},
    {40.0f, 12, kNonagen},      {72.0f, 13, kQuintile},        {108.0f, 14, kTredecile},
    {144.0f, 15, kBiquintile},  {360.0f / 7.0f, 16, kSeptile},
};

// Shorter arc between two longitudes, 0..180.
double Separation(double a, double b) {
  const double d = std::fabs(a - b);
  return d > 180.0 ? 360.0 - d : d;
}

// The bounds are rounded to float, like the orbs themselves, before the inclusive
// comparison; a separation at the very edge of an orb depends on it.
bool Holds(const AspectTest& test, float d, float orb) {
  const float low = test.angle - orb;
  if (test.code == kOpposition) return d >= low;  // 180 is the largest separation
  const float high = test.angle + orb;
  return low <= d && d <= high;
}

}  // namespace

int ClassifyAspect(double a, double b, const OrbTable& orbs) {
  const float d = static_cast<float>(Separation(a, b));
  int code = kNoAspect;
  for (const AspectTest& test : kAspectTests) {
    if (Holds(test, d, orbs[test.orb_line])) code = test.code;
  }
  if (d <= orbs[kConjunction - 1]) code = kConjunction;
  return code;
}

}  // namespace kairotex
