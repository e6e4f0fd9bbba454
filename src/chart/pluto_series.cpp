#include "chart/pluto_series.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "chart/harmonics.h"
#include "chart/periodic_terms_avx2.h"
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

// The table laid out for the vector path: the six coefficient rows, then
// each term's three multiples, padded to whole groups of four.
struct LanedPlutoTerms {
  static constexpr std::size_t kPadded = (kPlutoTerms.size() + 3) / 4 * 4;
  std::array<double, 6 * kPadded> coefficients{};
  std::array<std::int8_t, 3 * kPadded> multiples{};
};

constexpr LanedPlutoTerms LanedTerms() {
  LanedPlutoTerms out{};
  constexpr std::size_t n = LanedPlutoTerms::kPadded;
  for (std::size_t i = 0; i < kPlutoTerms.size(); ++i) {
    const PlutoTerm& k = kPlutoTerms[i];
    const double rows[6] = {k.lon_sin, k.lon_cos, k.lat_sin, k.lat_cos, k.rad_sin, k.rad_cos};
    for (std::size_t row = 0; row < 6; ++row) out.coefficients[row * n + i] = rows[row];
    out.multiples[3 * i] = static_cast<std::int8_t>(k.j);
    out.multiples[3 * i + 1] = static_cast<std::int8_t>(k.s);
    out.multiples[3 * i + 2] = static_cast<std::int8_t>(k.p);
  }
  return out;
}

}  // namespace

Spherical ComputePlutoSeries(double t, EnginePath path) {
  // Mean longitudes of Jupiter, Saturn and Pluto on the equinox of 1950.
  const std::array<double, 3> longitudes = {238.74 + 3034.9057 * t, 267.26 + 1222.1138 * t,
                                            93.48 + 144.96 * t};
  std::array<Rotation, 3> once;
  RotationsOfDegrees(longitudes, once, path);
  constexpr int kReach = Harmonics::kMaxMultiple;
  const Harmonics jupiter_h(once[0], kReach), saturn_h(once[1], kReach), pluto_h(once[2], kReach);
  double lon = 0, lat = 0, rad = 0;
  if (path == EnginePath::kAvx2) {
    static constexpr LanedPlutoTerms kLaned = LanedTerms();
    const std::array<double, 3> sums =
        PlutoSumsAvx2(kLaned.coefficients.data(), kLaned.multiples.data(), kLaned.kPadded,
                      {&jupiter_h[0], &saturn_h[0], &pluto_h[0]});
    lon = sums[0];
    lat = sums[1];
    rad = sums[2];
  } else {
    for (const PlutoTerm& k : kPlutoTerms) {
      const Rotation a = jupiter_h[k.j] * saturn_h[k.s] * pluto_h[k.p];
      const double s = a.sin, c = a.cos;
      lon += k.lon_sin * s + k.lon_cos * c;
      lat += k.lat_sin * s + k.lat_cos * c;
      rad += k.rad_sin * s + k.rad_cos * c;
    }
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
