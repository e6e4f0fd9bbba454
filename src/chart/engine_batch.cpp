#include "chart/engine_batch.h"

#include <algorithm>
#include <array>

namespace kairotex::planets {

namespace {

// Whole groups of four by the AVX2 path, and the last few as one group padded
// with copies of the last input; returns how many it did (all of them).
template <typename In, typename Group>
size_t InGroupsOfFour(std::span<const In> in, std::span<Spherical> out, Group&& group) {
  const size_t whole = in.size() / 4;
  group(in.data(), out.data(), whole);
  const size_t done = whole * 4;
  if (done < in.size()) {
    std::array<In, 4> padded;
    std::array<Spherical, 4> results;
    for (size_t i = 0; i < 4; ++i) padded[i] = in[std::min(done + i, in.size() - 1)];
    group(padded.data(), results.data(), 1);
    std::copy_n(results.begin(), in.size() - done, out.begin() + static_cast<long>(done));
  }
  return in.size();
}

}  // namespace

void PositionsInOrbits(std::span<const OrbitElements> orbits, std::span<Spherical> out,
                       EnginePath path) {
  size_t done = 0;
  if (path == EnginePath::kAvx2) done = InGroupsOfFour(orbits, out, PositionsInOrbitsAvx2);
  for (size_t i = done; i < orbits.size(); ++i) out[i] = PositionInOrbit(orbits[i]);
}

void GeocentricPlaces(std::span<const Spherical> helio, const EclipticVector& earth,
                      std::span<Spherical> out, EnginePath path) {
  size_t done = 0;
  if (path == EnginePath::kAvx2) {
    done = InGroupsOfFour(helio, out, [&earth](const Spherical* in, Spherical* to, size_t groups) {
      GeocentricPlacesAvx2(in, earth, to, groups);
    });
  }
  for (size_t i = done; i < helio.size(); ++i) out[i] = HelioToGeo(helio[i], earth);
}

void DeclinationsOf(std::span<const double> lon, std::span<const double> lat, double obliquity_deg,
                    std::span<double> out, EnginePath path) {
  size_t done = 0;
  if (path == EnginePath::kAvx2) {
    const size_t whole = lon.size() / 4;
    DeclinationsAvx2(lon.data(), lat.data(), obliquity_deg, out.data(), whole);
    done = whole * 4;
    if (done < lon.size()) {
      std::array<double, 4> lons, lats, results;
      for (size_t i = 0; i < 4; ++i) {
        lons[i] = lon[std::min(done + i, lon.size() - 1)];
        lats[i] = lat[std::min(done + i, lon.size() - 1)];
      }
      DeclinationsAvx2(lons.data(), lats.data(), obliquity_deg, results.data(), 1);
      std::copy_n(results.begin(), lon.size() - done, out.begin() + static_cast<long>(done));
      done = lon.size();
    }
  }
  for (size_t i = done; i < lon.size(); ++i) {
    out[i] = EclipticToDeclination(lon[i], lat[i], obliquity_deg);
  }
}

}  // namespace kairotex::planets
