// A scan's outer planets from the parabola through half-hour knots agree
// with the exact ones far inside the engine's 1e-9 degree.
#include "chart/outer_planet_knots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "chart/angles.h"

namespace kairotex {
namespace {

double WorstDifference(const std::array<BodyPosition, 10>& exact,
                       const std::array<BodyPosition, 10>& scanned) {
  double worst = ShorterArc(exact[1].helio_lon, scanned[1].helio_lon);
  for (int body = 5; body <= 9; ++body) {
    worst = std::max({worst, ShorterArc(exact[body].geo_lon, scanned[body].geo_lon),
                      std::fabs(exact[body].geo_lat - scanned[body].geo_lat),
                      ShorterArc(exact[body].helio_lon, scanned[body].helio_lon)});
  }
  return worst;
}

double JulianDayNumber(double t1900) {
  return std::floor(2415020.0 + t1900 * 36525.0 + 0.5);
}

TEST(OuterPlanetKnots, ScannedOuterPlanetsMatchTheExactOnes) {
  const OrbitalElements elements = InitOrbitalElements();
  std::mt19937_64 rng(20261208);
  std::uniform_real_distribution<double> start(-1.0, 2.0);  // 1800 to 2100
  double worst = 0;
  for (int run = 0; run < 60; ++run) {
    OuterPlanetKnots knots(elements);
    const double t0 = start(rng);
    for (int minute = 0; minute < 200; minute += 3) {
      const double t = t0 + minute / (36525.0 * 1440.0);
      worst = std::max(worst, WorstDifference(ComputeOuterPlanets(elements, t, JulianDayNumber(t)),
                                              OuterFromHelio(knots.At(t), JulianDayNumber(t))));
    }
  }
  EXPECT_LT(worst, 1e-11);
}

// Out of order and far apart, the knots are computed afresh: still exact.
TEST(OuterPlanetKnots, JumpsBackAndForthRecomputeTheKnots) {
  const OrbitalElements elements = InitOrbitalElements();
  OuterPlanetKnots knots(elements);
  for (const double t : {1.2, -0.5, 1.2, 1.2 + 1.0 / 1753200.0, 0.0, -2.0}) {
    SCOPED_TRACE(t);
    EXPECT_LT(WorstDifference(ComputeOuterPlanets(elements, t, JulianDayNumber(t)),
                              OuterFromHelio(knots.At(t), JulianDayNumber(t))),
              1e-11);
  }
}

}  // namespace
}  // namespace kairotex
