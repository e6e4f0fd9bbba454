#include "chart/engine_batch.h"

#include "chart/groups_of_four.h"

namespace kairotex::planets {

void PositionsInOrbits(std::span<const OrbitElements> orbits, std::span<Spherical> out,
                       EnginePath path) {
  if (path == EnginePath::kAvx2) {
    InGroupsOfFour(
        out,
        [](Spherical* to, size_t groups, const OrbitElements* from) {
          PositionsInOrbitsAvx2(from, to, groups);
        },
        orbits);
    return;
  }
  for (size_t i = 0; i < orbits.size(); ++i) out[i] = PositionInOrbit(orbits[i]);
}

void GeocentricPlaces(std::span<const Spherical> helio, const EclipticVector& earth,
                      std::span<Spherical> out, EnginePath path) {
  if (path == EnginePath::kAvx2) {
    InGroupsOfFour(
        out,
        [&earth](Spherical* to, size_t groups, const Spherical* from) {
          GeocentricPlacesAvx2(from, earth, to, groups);
        },
        helio);
    return;
  }
  for (size_t i = 0; i < helio.size(); ++i) out[i] = HelioToGeo(helio[i], earth);
}

void DeclinationsOf(std::span<const double> lon, std::span<const double> lat, double obliquity_deg,
                    std::span<double> out, EnginePath path) {
  if (path == EnginePath::kAvx2) {
    InGroupsOfFour(
        out,
        [obliquity_deg](double* to, size_t groups, const double* lons, const double* lats) {
          DeclinationsAvx2(lons, lats, obliquity_deg, to, groups);
        },
        lon, lat);
    return;
  }
  for (size_t i = 0; i < lon.size(); ++i) {
    out[i] = EclipticToDeclination(lon[i], lat[i], obliquity_deg);
  }
}

}  // namespace kairotex::planets
