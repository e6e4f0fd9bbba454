// Kepler's equation, the position in an orbit and the heliocentric-to-
// geocentric turn: published values, round trips and the orbit's geometry.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/helio_to_geo.h"
#include "chart/kepler.h"
#include "chart/orbit_position.h"

namespace kairotex::planets {
namespace {

// Kepler's equation itself, in degrees: the mean anomaly that belongs to E.
double MeanAnomalyOf(double e_anomaly, double e) {
  return e_anomaly - e * RadToDeg(1.0) * SinDeg(e_anomaly);
}

// Meeus, Astronomical Algorithms, example 30.a; at the apsides E equals M
// (sin 180 is 9e-11 with the program's ten-decimal pi); on a circle at once.
TEST(Kepler, PublishedSolutions) {
  EXPECT_NEAR(SolveKepler(5.0, 0.1), 5.554589, 1e-6);
  EXPECT_NEAR(SolveKepler(0.0, 0.25), 0.0, 1e-12);
  EXPECT_NEAR(SolveKepler(180.0, 0.25), 180.0, 1e-8);
  EXPECT_EQ(SolveKeplerDetailed(149472.5153, 0.0).steps, 1);
}

// E -> M -> E over the planets' eccentricities (Venus to Pluto) and anomalies
// all round the orbit, unreduced ones included as the theories pass them in.
// Newton's method stops at the first correction under 1e-7 degree, after a
// few steps, with an answer far better than that.
TEST(Kepler, RoundTripAndFewSteps) {
  for (const double e : {0.006773, 0.0167, 0.0934, 0.2056, 0.2447}) {
    for (double big_e = -350.0; big_e <= 720.0; big_e += 17.3) {
      const KeplerSolution s = SolveKeplerDetailed(MeanAnomalyOf(big_e, e), e);
      EXPECT_NEAR(s.eccentric_anomaly, big_e, 1e-9) << "e " << e << ", E " << big_e;
      EXPECT_LT(std::fabs(s.last_step), 1e-7) << "e " << e << ", E " << big_e;
      EXPECT_LE(s.steps, 5) << "e " << e << ", E " << big_e;
    }
    const double m_far = 90012.5;  // after centuries of motion
    EXPECT_NEAR(MeanAnomalyOf(SolveKepler(m_far, e), e), m_far, 1e-9) << "e " << e;
  }
}

// Perihelion and aphelion stand at a (1 -+ e); an inclined orbit crosses the
// ecliptic at its nodes and reaches latitude +-i a quarter turn later, 90
// degrees of longitude from the node. (The longitudes along the ellipse are
// held to the reference positions by the planet theories' own tests.)
TEST(OrbitPosition, ApsidesAndTheNodesOfAnInclinedOrbit) {
  for (const double m : {0.0, 180.0}) {
    const Spherical p = PositionInOrbit({57.9e6, 0.2056, 0.0, 0.0, 0.0, m});
    EXPECT_NEAR(p.radius / 57.9e6, m == 0 ? 1 - 0.2056 : 1 + 0.2056, 1e-12);
    EXPECT_NEAR(std::remainder(p.lon - m, 360.0), 0.0, 1e-7);
  }
  const double i = 7.0048, node = 48.331;
  for (const double u : {0.0, 90.0, 180.0, 270.0}) {
    const Spherical p = PositionInOrbit({1.0, 0.0, i, node, u, 0.0});
    EXPECT_NEAR(std::remainder(p.lon - (node + u), 360.0), 0.0, 1e-6) << u;
    EXPECT_NEAR(p.lat, u == 90 ? i : u == 270 ? -i : 0.0, 1e-6) << u;
  }
}

Spherical Add(const Spherical& a, const Spherical& b) {
  const auto x = [](const Spherical& s) { return s.radius * CosDeg(s.lat) * CosDeg(s.lon); };
  const auto y = [](const Spherical& s) { return s.radius * CosDeg(s.lat) * SinDeg(s.lon); };
  const auto z = [](const Spherical& s) { return s.radius * SinDeg(s.lat); };
  return RectToSpherical(x(a) + x(b), y(a) + y(b), z(a) + z(b));
}

// A planet placed at a chosen geocentric position from the Earth, turned
// heliocentric, comes back to it; the ten-decimal pi allows some 1e-8 degree.
// From the Sun's centre both coincide.
TEST(HelioToGeo, RoundTripFromAChosenGeocentricPosition) {
  constexpr double au = kKmPerAu;
  const Spherical cases[][2] = {
      // the Earth, then the planet from it
      {{1.0167 * au, 100.0, 0.0}, {4.2 * au, 250.0, -1.3}},
      {{0.9833 * au, 280.5, 0.0001}, {0.27 * au, 275.0, 8.2}},  // Venus near conjunction
      {{1.0 * au, 0.0, 0.0}, {38.5 * au, 359.9, 17.0}},         // near 0 Aries
      {{1.0 * au, 45.0, 0.0}, {0.6 * au, 135.0, -4.9}},         // Mercury at elongation
      {{0.0, 0.0, 0.0}, {5.2 * au, 123.4, 1.1}},                // the Sun's centre
  };
  for (const auto& [earth, geo] : cases) {
    const Spherical back = HelioToGeo(Add(earth, geo), earth);
    EXPECT_NEAR(std::remainder(back.lon - geo.lon, 360.0), 0.0, 1e-7) << geo.lon;
    EXPECT_NEAR(back.lat, geo.lat, 1e-7) << geo.lon;
    EXPECT_NEAR(back.radius / geo.radius, 1.0, 1e-9) << geo.lon;
  }
  // Behind the Sun: the Earth at 303.4 sees the Sun, and the planet, at 123.4.
  const Spherical conj =
      HelioToGeo(Spherical{5.2 * au, 123.4, 0.0}, Spherical{1.0 * au, 303.4, 0.0});
  EXPECT_NEAR(conj.lon, 123.4, 1e-7);
  EXPECT_NEAR(conj.radius, 6.2 * au, 1.0);
}

}  // namespace
}  // namespace kairotex::planets
