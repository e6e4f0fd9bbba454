// The vector path of the orbits, the geocentric places, the declinations
// and Placidus's cusps against the plain one, value by value, on inputs wider
// than any chart's; the rest of the vector path is held by the engine
// regression test on both paths.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "chart/angles.h"
#include "chart/engine_batch.h"
#include "chart/house_systems.h"
#include "chart/planet_theory.h"

namespace kairotex::planets {
namespace {

// Random orbits over the planets' range of elements and mean anomalies of
// many turns, and orbits on the axes, where the quadrant rule branches.
std::vector<OrbitElements> TestOrbits() {
  std::mt19937_64 rng(20261208);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<OrbitElements> orbits;
  for (int i = 0; i < 4000; ++i) {
    OrbitElements o;
    o.semi_major_axis = 1e7 + unit(rng) * 6e9;
    o.eccentricity = unit(rng) * 0.26;
    o.inclination = unit(rng) * 20.0 - 2.0;
    o.node = unit(rng) * 720.0 - 360.0;
    o.arg_perihelion = unit(rng) * 720.0 - 360.0;
    o.mean_anomaly = (unit(rng) - 0.5) * 1e6;
    orbits.push_back(o);
  }
  for (double m : {0.0, 90.0, 180.0, 270.0, -180.0, 360.0}) {
    for (double incl : {0.0, 90.0}) {
      orbits.push_back({1.5e8, 0.0, incl, 0.0, 0.0, m});
      orbits.push_back({1.5e8, 0.1, incl, 180.0, 90.0, m});
    }
  }
  orbits.resize(orbits.size() + 3, orbits.front());  // a group of four left incomplete
  return orbits;
}

bool HasAvx2() {
  return FastestEnginePath() == EnginePath::kAvx2;
}

TEST(EnginePaths, OrbitsAndGeocentricPlacesAgreePlanetByPlanet) {
  if (!HasAvx2()) GTEST_SKIP() << "this processor has no AVX2";
  const std::vector<OrbitElements> orbits = TestOrbits();
  std::vector<Spherical> plain(orbits.size()), vector(orbits.size());
  PositionsInOrbits(orbits, plain, EnginePath::kPlain);
  PositionsInOrbits(orbits, vector, EnginePath::kAvx2);
  for (size_t i = 0; i < orbits.size(); ++i) {
    ASSERT_EQ(plain[i].lon, PositionInOrbit(orbits[i]).lon) << i;
    // The vector path turns degrees into radians by one multiplication: an
    // ulp apart, which grows with the turns of the mean anomaly.
    const double turns = std::fabs(orbits[i].mean_anomaly);
    // A longitude by the quadrant rule may sit on either side of 0 Aries.
    EXPECT_NEAR(Wrap180(vector[i].lon - plain[i].lon), 0.0, 1e-12 + 1e-15 * turns) << i;
    EXPECT_NEAR(vector[i].lat, plain[i].lat, 1e-12 + 1e-15 * turns) << i;
    EXPECT_NEAR(vector[i].radius / plain[i].radius, 1.0, 1e-14 + 4e-18 * turns) << i;
    EXPECT_GE(vector[i].lon, 0.0);
    EXPECT_LT(vector[i].lon, 360.0);
  }

  // The same places seen from an Earth, and from the Sun's centre, where
  // the directions are the places themselves.
  for (const EclipticVector& earth : {EclipticVector{1.2e8, -9.1e7, 3.0e3}, EclipticVector{}}) {
    std::vector<Spherical> plain_geo(plain.size()), vector_geo(plain.size());
    GeocentricPlaces(plain, earth, plain_geo, EnginePath::kPlain);
    GeocentricPlaces(plain, earth, vector_geo, EnginePath::kAvx2);
    for (size_t i = 0; i < plain.size(); ++i) {
      ASSERT_EQ(plain_geo[i].lon, HelioToGeo(plain[i], earth).lon) << i;
      EXPECT_NEAR(Wrap180(vector_geo[i].lon - plain_geo[i].lon), 0.0, 1e-12) << i;
      EXPECT_NEAR(vector_geo[i].lat, plain_geo[i].lat, 1e-12) << i;
      EXPECT_NEAR(vector_geo[i].radius / plain_geo[i].radius, 1.0, 1e-14) << i;
    }
  }
}

// Declinations of points all round the ecliptic, off it and at its poles.
TEST(EnginePaths, DeclinationsAgreePointByPoint) {
  if (!HasAvx2()) GTEST_SKIP() << "this processor has no AVX2";
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<double> lon, lat;
  for (int i = 0; i < 4001; ++i) {
    lon.push_back(unit(rng) * 360.0);
    lat.push_back(i % 50 == 0 ? 90.0 * (i % 100 == 0 ? 1 : -1) : unit(rng) * 16.0 - 8.0);
  }
  for (double obliquity : {23.4392911, 0.0, 24.2}) {
    std::vector<double> plain(lon.size()), vector(lon.size());
    DeclinationsOf(lon, lat, obliquity, plain, EnginePath::kPlain);
    DeclinationsOf(lon, lat, obliquity, vector, EnginePath::kAvx2);
    for (size_t i = 0; i < lon.size(); ++i) {
      ASSERT_EQ(plain[i], EclipticToDeclination(lon[i], lat[i], obliquity)) << i;
      EXPECT_NEAR(vector[i], plain[i], 1e-12) << lon[i] << " " << lat[i] << " " << obliquity;
    }
  }
}

// Every sidereal time at latitudes from the equator (where the frame takes
// 1e-5) to the polar circles, north and south.
TEST(EnginePaths, PlacidusCuspsAgreeOnEveryFrame) {
  if (!HasAvx2()) GTEST_SKIP() << "this processor has no AVX2";
  for (double latitude : {0.0, 0.3, 23.0, 40.75, -33.9, 51.5, 60.0, 66.0, -66.0}) {
    for (double ramc = 0.0; ramc < 360.0; ramc += 7.3) {
      HouseFrame frame;
      frame.ramc = DegToRad(ramc);
      frame.obliquity = DegToRad(23.4392911);
      frame.latitude = DegToRad(latitude);
      const HouseCusps plain = PlacidusHouses(frame);
      frame.path = EnginePath::kAvx2;
      const HouseCusps vector = PlacidusHouses(frame);
      for (int k = 1; k <= 12; ++k) {
        EXPECT_NEAR(Wrap180(vector[k] - plain[k]), 0.0, 1e-12)
            << "latitude " << latitude << ", RAMC " << ramc << ", cusp " << k;
      }
    }
  }
}

}  // namespace
}  // namespace kairotex::planets
