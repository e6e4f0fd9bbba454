#include <span>

#include "chart/engine_batch.h"
#include "chart/helio_to_geo.h"
#include "chart/orbit_position.h"
#include "chart/planet_theory.h"

namespace kairotex {

std::array<BodyPosition, 5> ComputeInnerPlanets(const OrbitalElements& elements, double t) {
  // Body 1, the Earth, comes first: the others are seen from it.
  std::array<planets::OrbitElements, 4> orbits;
  for (int body = 1; body <= 4; ++body) {
    const InnerElements& el = elements.inner[body];
    const double node = el.node0 + el.node1 * t;
    const double perihelion = el.perihelion0 + el.perihelion1 * t;
    planets::OrbitElements& orbit = orbits[body - 1];
    orbit.semi_major_axis = el.a * planets::kKmPerAu;
    orbit.eccentricity = el.e0 + el.e1 * t;
    orbit.inclination = el.i0 + el.i1 * t;
    orbit.node = node;
    orbit.arg_perihelion = perihelion - node;
    orbit.mean_anomaly = el.mean_anomaly0 + el.mean_anomaly1 * t;
  }
  std::array<Spherical, 4> helio;
  planets::PositionsInOrbits(orbits, helio, elements.path);

  std::array<Spherical, 3> geo;
  planets::GeocentricPlaces(std::span(helio).subspan(1), planets::ToEclipticVector(helio[0]), geo,
                            elements.path);
  std::array<BodyPosition, 5> out{};
  out[1].helio_lon = helio[0].lon;
  for (int body = 2; body <= 4; ++body) {
    out[body].helio_lon = helio[body - 1].lon;
    out[body].geo_lon = geo[body - 2].lon;
    out[body].geo_lat = geo[body - 2].lat;
  }
  return out;
}

}  // namespace kairotex
