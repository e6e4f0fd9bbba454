// Which code the engine's heaviest steps run: the plain path, one value at a
// time through the C library, or four at a time in AVX2 lanes. Both give
// every output within 1e-12 degree of each other.
#pragma once

namespace kairotex {

enum class EnginePath { kPlain, kAvx2 };

// The fastest path this processor runs, chosen at start-up.
EnginePath FastestEnginePath();

}  // namespace kairotex
