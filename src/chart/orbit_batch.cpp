#include "chart/orbit_batch.h"

#include <algorithm>
#include <array>

namespace kairotex::planets {

OrbitKernel FastestOrbitKernel() {
  return __builtin_cpu_supports("avx2") ? OrbitKernel::kAvx2 : OrbitKernel::kPlain;
}

void PositionsInOrbits(std::span<const OrbitElements> orbits, std::span<Spherical> out,
                       OrbitKernel kernel) {
  size_t done = 0;
  if (kernel == OrbitKernel::kAvx2) {
    const size_t whole = orbits.size() / 4;
    PositionsInOrbitsAvx2(orbits.data(), out.data(), whole);
    done = whole * 4;
    if (done < orbits.size()) {
      // The last few as a group of four, padded with copies of the last orbit.
      std::array<OrbitElements, 4> group;
      std::array<Spherical, 4> places;
      for (size_t i = 0; i < 4; ++i) group[i] = orbits[std::min(done + i, orbits.size() - 1)];
      PositionsInOrbitsAvx2(group.data(), places.data(), 1);
      std::copy_n(places.begin(), orbits.size() - done, out.begin() + static_cast<long>(done));
      done = orbits.size();
    }
  }
  for (size_t i = done; i < orbits.size(); ++i) out[i] = PositionInOrbit(orbits[i]);
}

}  // namespace kairotex::planets
