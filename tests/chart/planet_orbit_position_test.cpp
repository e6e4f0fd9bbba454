#include <gtest/gtest.h>

#include <cmath>

#include "chart/kepler.h"
#include "chart/orbit_position.h"

namespace kairotex::planets {
namespace {

OrbitElements Orbit(double a, double e, double i, double node, double arg_perihelion, double m) {
  OrbitElements o;
  o.semi_major_axis = a;
  o.eccentricity = e;
  o.inclination = i;
  o.node = node;
  o.arg_perihelion = arg_perihelion;
  o.mean_anomaly = m;
  return o;
}

// In the plane of the ecliptic a circular orbit is uniform motion: the
// longitude is node + argument of perihelion + mean anomaly.
TEST(PlanetOrbitPositionTest, CircularOrbitInTheEclipticMovesUniformly) {
  for (const double m : {0.0, 10.0, 95.0, 181.0, 300.0, 1000.0}) {
    const Spherical p = PositionInOrbit(Orbit(2.5, 0.0, 0.0, 40.0, 70.0, m));
    EXPECT_NEAR(std::remainder(p.lon - (40.0 + 70.0 + m), 360.0), 0.0, 1e-7) << m;
    EXPECT_NEAR(p.lat, 0.0, 1e-9) << m;
    EXPECT_NEAR(p.radius, 2.5, 1e-12) << m;
  }
}

// The ellipse: r = a (1 - e^2) / (1 + e cos v) with the true anomaly from
// cos v = (cos E - e) / (1 - e cos E), checked through the longitude in an
// uninclined orbit, where longitude = perihelion + v.
TEST(PlanetOrbitPositionTest, RadiusAndLongitudeFollowTheEllipse) {
  const double a = 1.523692, e = 0.093405, perihelion = 336.059;
  for (double m = 0.0; m < 360.0; m += 23.0) {
    const Spherical p = PositionInOrbit(Orbit(a, e, 0.0, 0.0, perihelion, m));
    const double big_e = SolveKepler(m, e);
    double v = RadToDeg(std::acos((CosDeg(big_e) - e) / (1.0 - e * CosDeg(big_e))));
    if (std::remainder(big_e, 360.0) < 0) v = -v;
    EXPECT_NEAR(std::remainder(p.lon - (perihelion + v), 360.0), 0.0, 1e-7) << m;
    EXPECT_NEAR(p.radius, a * (1.0 - e * e) / (1.0 + e * CosDeg(v)), 1e-9) << m;
  }
}

struct ApsisCase {
  double mean_anomaly;
  double radius_factor;  // r / a
};

TEST(PlanetOrbitPositionTest, PerihelionAndAphelionDistances) {
  const double e = 0.2056;
  for (const ApsisCase c : {ApsisCase{0.0, 1.0 - e}, ApsisCase{180.0, 1.0 + e}}) {
    const Spherical p = PositionInOrbit(Orbit(57.9e6, e, 0.0, 0.0, 0.0, c.mean_anomaly));
    EXPECT_NEAR(p.radius / 57.9e6, c.radius_factor, 1e-12);
    EXPECT_NEAR(std::remainder(p.lon - c.mean_anomaly, 360.0), 0.0, 1e-7);
  }
}

// An inclined orbit crosses the ecliptic at its nodes and reaches latitude i
// a quarter turn later, where it stands 90 degrees of longitude from the node.
struct InclinedCase {
  double arg_latitude;  // node-to-planet angle in the orbit plane
  double lon_from_node, lat;
};

TEST(PlanetOrbitPositionTest, InclinedOrbitMeetsTheEclipticAtTheNodes) {
  const double i = 7.0048, node = 48.331;
  for (const InclinedCase c : {InclinedCase{0.0, 0.0, 0.0}, InclinedCase{90.0, 90.0, i},
                               InclinedCase{180.0, 180.0, 0.0}, InclinedCase{270.0, 270.0, -i}}) {
    // Circular orbit with the planet at its perihelion: argument of latitude = omega.
    const Spherical p = PositionInOrbit(Orbit(1.0, 0.0, i, node, c.arg_latitude, 0.0));
    EXPECT_NEAR(std::remainder(p.lon - (node + c.lon_from_node), 360.0), 0.0, 1e-6)
        << c.arg_latitude;
    EXPECT_NEAR(p.lat, c.lat, 1e-6) << c.arg_latitude;
  }
}

}  // namespace
}  // namespace kairotex::planets
