#include "chart/helio_to_geo.h"

namespace kairotex::planets {

EclipticVector ToEclipticVector(const Spherical& h) {
  const double cos_b = CosDeg(h.lat);
  return {h.radius * cos_b * CosDeg(h.lon), h.radius * cos_b * SinDeg(h.lon),
          h.radius * SinDeg(h.lat)};
}

Spherical HelioToGeo(const Spherical& planet, const EclipticVector& earth) {
  const EclipticVector p = ToEclipticVector(planet);
  return RectToSpherical(p.x - earth.x, p.y - earth.y, p.z - earth.z);
}

Spherical HelioToGeo(const Spherical& planet, const Spherical& earth) {
  return HelioToGeo(planet, ToEclipticVector(earth));
}

}  // namespace kairotex::planets
