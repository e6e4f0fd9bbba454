// The Moon by the principal terms of Brown's lunar theory.
#pragma once

#include "chart/engine_path.h"

namespace kairotex {

struct MoonPosition {
  double lon = 0;        // degrees, nutation included, not normalized
  double lat = 0;        // degrees
  double mean_node = 0;  // degrees, normalized
  double true_node = 0;  // degrees, not normalized
};

// t in Julian centuries from JD 2415020.0 (1900 January 0.5); the path
// computes the theory's sines.
MoonPosition ComputeMoon(double t1900, EnginePath path = EnginePath::kPlain);

}  // namespace kairotex
