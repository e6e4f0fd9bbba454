#include "chart/pluto_series.h"

#include "chart/harmonics.h"
#include "chart/pluto_series_table.h"

namespace kairotex::planets {
namespace {

constexpr bool MultiplesFit() {
  for (const PlutoTerm& k : kPlutoTerms) {
    for (int m : {k.j, k.s, k.p}) {
      if (m > Harmonics::kMaxMultiple || -m > Harmonics::kMaxMultiple) return false;
    }
  }
  return true;
}
static_assert(MultiplesFit());

}  // namespace

Spherical ComputePlutoSeries(double t) {
  // Mean longitudes of Jupiter, Saturn and Pluto on the equinox of 1950.
  const double jupiter = 238.74 + 3034.9057 * t;
  const double saturn = 267.26 + 1222.1138 * t;
  const double pluto = 93.48 + 144.96 * t;
  const Harmonics jupiter_h(jupiter), saturn_h(saturn), pluto_h(pluto);
  double lon = 0, lat = 0, rad = 0;
  for (const PlutoTerm& k : kPlutoTerms) {
    const Rotation a = jupiter_h[k.j] * saturn_h[k.s] * pluto_h[k.p];
    const double s = a.sin, c = a.cos;
    lon += k.lon_sin * s + k.lon_cos * c;
    lat += k.lat_sin * s + k.lat_cos * c;
    rad += k.rad_sin * s + k.rad_cos * c;
  }
  Spherical helio;
  helio.lon = Normalize360(93.297471 + 144.96 * t + lon * 1e-6);
  helio.lat = -3.909434 + lat * 1e-6;
  // The radius terms are published in 1e-6 AU: the first one then carries the
  // orbit's swing of 9.6 AU either side of the mean distance.
  helio.radius = 40.724725 + rad * 1e-6;
  return helio;
}

}  // namespace kairotex::planets
