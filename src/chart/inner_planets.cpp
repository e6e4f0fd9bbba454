#include "chart/helio_to_geo.h"
#include "chart/orbit_position.h"
#include "chart/planet_theory.h"

namespace kairotex {

std::array<BodyPosition, 5> ComputeInnerPlanets(const OrbitalElements& elements, double t) {
  std::array<BodyPosition, 5> out{};
  planets::EclipticVector earth;
  // Body 1, the Earth, comes first: the others are seen from it.
  for (int body = 1; body <= 4; ++body) {
    const InnerElements& el = elements.inner[body];
    const double node = el.node0 + el.node1 * t;
    const double perihelion = el.perihelion0 + el.perihelion1 * t;
    planets::OrbitElements orbit;
    orbit.semi_major_axis = el.a * planets::kKmPerAu;
    orbit.eccentricity = el.e0 + el.e1 * t;
    orbit.inclination = el.i0 + el.i1 * t;
    orbit.node = node;
    orbit.arg_perihelion = perihelion - node;
    orbit.mean_anomaly = el.mean_anomaly0 + el.mean_anomaly1 * t;
    const Spherical helio = planets::PositionInOrbit(orbit);
    out[body].helio_lon = helio.lon;
    if (body == 1) {
      earth = planets::ToEclipticVector(helio);
      continue;
    }
    const Spherical geo = planets::HelioToGeo(helio, earth);
    out[body].geo_lon = geo.lon;
    out[body].geo_lat = geo.lat;
  }
  return out;
}

}  // namespace kairotex
