// The Sun by Newcomb's theory, reduced to apparent longitude.
#pragma once

#include "chart/engine_path.h"

namespace kairotex {

// Apparent geocentric longitude of the Sun in degrees (not normalized),
// t in Julian centuries from JD 2415020.0 (1900 January 0.5).
// The path computes the theory's sines.
double ComputeSun(double t1900, EnginePath path = EnginePath::kPlain);

}  // namespace kairotex
