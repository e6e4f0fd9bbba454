#include "chart/pluto_series.h"

#include "chart/pluto_series_table.h"

namespace kairotex::planets {

Spherical ComputePlutoSeries(double t) {
  // Mean longitudes of Jupiter, Saturn and Pluto on the equinox of 1950.
  const double jupiter = 238.74 + 3034.9057 * t;
  const double saturn = 267.26 + 1222.1138 * t;
  const double pluto = 93.48 + 144.96 * t;
  double lon = 0, lat = 0, rad = 0;
  for (const PlutoTerm& k : kPlutoTerms) {
    const double a = k.j * jupiter + k.s * saturn + k.p * pluto;
    const double s = SinDeg(a), c = CosDeg(a);
    lon += k.lon_sin * s + k.lon_cos * c;
    lat += k.lat_sin * s + k.lat_cos * c;
    rad += k.rad_sin * s + k.rad_cos * c;
  }
  Spherical helio;
  helio.lon = Normalize360(93.297471 + 144.96 * t + lon * 1e-6);
  helio.lat = -3.909434 + lat * 1e-6;
  helio.radius = 40.724725 + rad * 1e-6;
  return helio;
}

}  // namespace kairotex::planets
