// Many orbits' heliocentric positions at once: the plain path one orbit at a
// time through the C library, the vector path four at a time where the
// processor has AVX2. Both give each position within 1e-12 degree.
#pragma once

#include <span>

#include "chart/orbit_position.h"

namespace kairotex::planets {

enum class OrbitKernel { kPlain, kAvx2 };

// The fastest path this processor runs.
OrbitKernel FastestOrbitKernel();

// out[i] = PositionInOrbit(orbits[i]); the spans are of one length.
void PositionsInOrbits(std::span<const OrbitElements> orbits, std::span<Spherical> out,
                       OrbitKernel kernel);

// The AVX2 path, for whole groups of four; call it only where the processor has AVX2.
void PositionsInOrbitsAvx2(const OrbitElements* orbits, Spherical* out, size_t groups_of_four);

}  // namespace kairotex::planets
