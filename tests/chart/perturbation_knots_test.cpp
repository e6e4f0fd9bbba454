// The scan's outer planets from perturbations interpolated between whole
// hours agree with the exact ones far inside the engine's 1e-9 degree.
#include "chart/perturbation_knots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "chart/angles.h"

namespace kairotex {
namespace {

TEST(PerturbationKnots, InterpolatedOuterPlanetsMatchTheExactOnes) {
  const OrbitalElements elements = InitOrbitalElements();
  std::mt19937_64 rng(20261208);
  // 1800 to 2100, and runs of minutes across knots and across a century
  // boundary of the mean elements' clock.
  std::uniform_real_distribution<double> start(-1.0, 2.0);
  double worst = 0;
  for (int run = 0; run < 60; ++run) {
    PerturbationKnots knots;
    const double t0 = start(rng);
    for (int minute = 0; minute < 200; ++minute) {
      const double t = t0 + minute / (36525.0 * 1440.0);
      const double jdn = std::floor(2415020.0 + t * 36525.0 + 0.5);
      const auto exact = ComputeOuterPlanets(elements, t, jdn);
      const auto scanned = ComputeOuterPlanets(elements, t, jdn, knots.At(t, elements.path));
      for (int body = 5; body <= 9; ++body) {
        worst = std::max({worst, ShorterArc(exact[body].geo_lon, scanned[body].geo_lon),
                          std::fabs(exact[body].geo_lat - scanned[body].geo_lat),
                          ShorterArc(exact[body].helio_lon, scanned[body].helio_lon)});
      }
    }
  }
  EXPECT_LT(worst, 1e-10);
}

// Out of order and far apart, the knots are computed afresh: still exact.
TEST(PerturbationKnots, JumpsBackAndForthRecomputeTheKnots) {
  const OrbitalElements elements = InitOrbitalElements();
  PerturbationKnots knots;
  for (const double t : {1.2, -0.5, 1.2, 1.2 + 1.0 / 876600.0, 0.0}) {
    const double jdn = std::floor(2415020.0 + t * 36525.0 + 0.5);
    const auto exact = ComputeOuterPlanets(elements, t, jdn);
    const auto scanned = ComputeOuterPlanets(elements, t, jdn, knots.At(t, elements.path));
    for (int body = 5; body <= 9; ++body) {
      EXPECT_NEAR(exact[body].geo_lon, scanned[body].geo_lon, 1e-10) << t << " body " << body;
    }
  }
}

}  // namespace
}  // namespace kairotex
