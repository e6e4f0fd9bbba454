#include "chart/orbit_position.h"

#include <cmath>

#include "chart/kepler.h"

namespace kairotex::planets {

Spherical PositionInOrbit(const OrbitElements& o) {
  const double e = o.eccentricity;
  const double big_e = SolveKepler(o.mean_anomaly, e);
  const double radius = o.semi_major_axis * (1.0 - e * CosDeg(big_e));
  const double true_anomaly = Normalize360(RadToDeg(
      2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(DegToRad(big_e / 2.0)))));
  const double arg_latitude = o.arg_perihelion + true_anomaly;

  // The direction in the orbit plane turned down onto the ecliptic; its
  // longitude is counted from the node.
  const double cos_i = CosDeg(o.inclination), sin_i = SinDeg(o.inclination);
  const Spherical from_node = RectToSpherical(CosDeg(arg_latitude), SinDeg(arg_latitude) * cos_i,
                                              SinDeg(arg_latitude) * sin_i);
  Spherical helio;
  helio.radius = radius;
  helio.lon = Normalize360(from_node.lon + o.node);
  helio.lat = from_node.lat;
  return helio;
}

}  // namespace kairotex::planets
