#include "chart/helio_to_geo.h"

namespace kairotex::planets {

Spherical HelioToGeo(const Spherical& p, const Spherical& earth) {
  const double cos_b = CosDeg(p.lat), earth_cos_b = CosDeg(earth.lat);
  const double x =
      p.radius * cos_b * CosDeg(p.lon) - earth.radius * earth_cos_b * CosDeg(earth.lon);
  const double y =
      p.radius * cos_b * SinDeg(p.lon) - earth.radius * earth_cos_b * SinDeg(earth.lon);
  const double z = p.radius * SinDeg(p.lat) - earth.radius * SinDeg(earth.lat);
  return RectToSpherical(x, y, z);
}

}  // namespace kairotex::planets
