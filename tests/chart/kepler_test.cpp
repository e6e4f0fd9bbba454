#include "chart/kepler.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/angles.h"

namespace kairotex::planets {
namespace {

// Kepler's equation itself, in degrees: the mean anomaly that belongs to E.
double MeanAnomalyOf(double e_anomaly, double e) {
  return e_anomaly - e * RadToDeg(1.0) * SinDeg(e_anomaly);
}

TEST(KeplerTest, CircularOrbitReturnsTheMeanAnomalyAfterOneStep) {
  for (const double m : {0.0, 1e-9, 37.5, 180.0, 359.999, -45.0, 149472.5153}) {
    const KeplerSolution s = SolveKeplerDetailed(m, 0.0);
    EXPECT_EQ(s.eccentric_anomaly, m);
    EXPECT_EQ(s.steps, 1);
    EXPECT_EQ(s.last_step, 0.0);
  }
}

// Published solutions.
struct KnownCase {
  const char* source;
  double mean_anomaly, eccentricity, eccentric_anomaly, tolerance;
};
constexpr KnownCase kKnown[] = {
    // Meeus, Astronomical Algorithms, example 30.a: E = 5.554589 degrees.
    {"Meeus example 30.a", 5.0, 0.1, 5.554589, 1e-6},
    // Symmetry: at perihelion and aphelion E equals M for any eccentricity
    // (sin 180 is 9e-11, not 0, with the program's ten-decimal pi).
    {"perihelion", 0.0, 0.25, 0.0, 1e-12},
    {"aphelion", 180.0, 0.25, 180.0, 1e-8},
};

TEST(KeplerTest, MatchesPublishedSolutions) {
  for (const auto& c : kKnown) {
    EXPECT_NEAR(SolveKepler(c.mean_anomaly, c.eccentricity), c.eccentric_anomaly, c.tolerance)
        << c.source;
  }
}

// Round trip: E -> M by Kepler's equation -> E again, over the eccentricities
// of the planets (Venus 0.007 to Pluto 0.25) and anomalies all round the
// orbit, including unreduced ones as the theories pass them in.
TEST(KeplerTest, RoundTripThroughKeplersEquation) {
  for (const double e : {0.006773, 0.0167, 0.0934, 0.2056, 0.2447}) {
    for (double big_e = -350.0; big_e <= 720.0; big_e += 17.3) {
      const double m = MeanAnomalyOf(big_e, e);
      const KeplerSolution s = SolveKeplerDetailed(m, e);
      EXPECT_NEAR(s.eccentric_anomaly, big_e, 1e-9) << "e " << e << ", E " << big_e;
    }
    const double m_far = 90000.0 + 12.5;  // a mean anomaly after centuries of motion
    EXPECT_NEAR(MeanAnomalyOf(SolveKepler(m_far, e), e), m_far, 1e-9) << "e " << e;
  }
}

// The iteration stops at the first correction under 1e-7 degree; Newton's
// method converges so fast that this is never more than a few steps for a
// planet, and the answer is then far better than the threshold.
TEST(KeplerTest, StopsAtTheFirstCorrectionBelowTheThreshold) {
  for (const double e : {0.0167, 0.0934, 0.2056, 0.2447}) {
    for (double m = 0.5; m < 360.0; m += 29.0) {
      const KeplerSolution s = SolveKeplerDetailed(m, e);
      EXPECT_LT(std::fabs(s.last_step), 1e-7) << "e " << e << ", M " << m;
      EXPECT_GE(s.steps, 2) << "e " << e << ", M " << m;
      EXPECT_LE(s.steps, 5) << "e " << e << ", M " << m;
      EXPECT_NEAR(MeanAnomalyOf(s.eccentric_anomaly, e), m, 1e-10) << "e " << e << ", M " << m;
    }
  }
}

}  // namespace
}  // namespace kairotex::planets
