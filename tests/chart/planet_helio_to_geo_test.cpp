#include <gtest/gtest.h>

#include <cmath>

#include "chart/helio_to_geo.h"

namespace kairotex::planets {
namespace {

struct Vec {
  double x, y, z;
};
Vec ToVec(const Spherical& s) {
  return {s.radius * CosDeg(s.lat) * CosDeg(s.lon), s.radius * CosDeg(s.lat) * SinDeg(s.lon),
          s.radius * SinDeg(s.lat)};
}

// Round trip: a planet placed at a chosen geocentric distance and direction
// from the Earth, turned into heliocentric coordinates, comes back to that
// geocentric position.
struct GeoCase {
  Spherical earth;  // km, degrees
  Spherical geo;
};

constexpr double kAu = 149597870.0;

// The program's ten-decimal pi makes the quadrant corrections of
// RectToSpherical differ from the degree conversions by up to 180 x 3e-11
// degrees; the round trips close to that, well inside 1e-7 degree.
constexpr double kAngleTolerance = 1e-7;

TEST(PlanetHelioToGeoTest, RoundTripFromAChosenGeocentricPosition) {
  const GeoCase cases[] = {
      {{1.0167 * kAu, 100.0, 0.0}, {4.2 * kAu, 250.0, -1.3}},
      {{0.9833 * kAu, 280.5, 0.0001}, {0.27 * kAu, 275.0, 8.2}},  // Venus near conjunction
      {{1.0 * kAu, 0.0, 0.0}, {38.5 * kAu, 359.9, 17.0}},         // Pluto-like, near 0 Aries
      {{1.0 * kAu, 45.0, 0.0}, {0.6 * kAu, 135.0, -4.9}},         // Mercury at elongation
  };
  for (const GeoCase& c : cases) {
    const Vec e = ToVec(c.earth), g = ToVec(c.geo);
    const Spherical planet = RectToSpherical(e.x + g.x, e.y + g.y, e.z + g.z);
    const Spherical back = HelioToGeo(planet, c.earth);
    EXPECT_NEAR(std::remainder(back.lon - c.geo.lon, 360.0), 0.0, kAngleTolerance) << c.geo.lon;
    EXPECT_NEAR(back.lat, c.geo.lat, kAngleTolerance) << c.geo.lon;
    EXPECT_NEAR(back.radius / c.geo.radius, 1.0, 1e-9) << c.geo.lon;
  }
}

// From the Sun's centre the geocentric and heliocentric positions coincide;
// opposite the Sun, a planet at conjunction is seen in the Sun's direction.
TEST(PlanetHelioToGeoTest, SunCentreAndConjunction) {
  const Spherical planet{5.2 * kAu, 123.4, 1.1};
  const Spherical at_sun{0.0, 0.0, 0.0};
  const Spherical same = HelioToGeo(planet, at_sun);
  EXPECT_NEAR(same.lon, planet.lon, kAngleTolerance);
  EXPECT_NEAR(same.lat, planet.lat, kAngleTolerance);

  // Earth at heliocentric 303.4: the Sun is seen at 123.4, the planet behind it.
  const Spherical earth{1.0 * kAu, 303.4, 0.0};
  const Spherical conj = HelioToGeo(Spherical{5.2 * kAu, 123.4, 0.0}, earth);
  EXPECT_NEAR(conj.lon, 123.4, kAngleTolerance);
  EXPECT_NEAR(conj.radius, 6.2 * kAu, 1.0);
}

}  // namespace
}  // namespace kairotex::planets
