#include "chart/orbit_batch.h"

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

}  // namespace kairotex::planets
