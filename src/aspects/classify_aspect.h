// Which aspect two chart objects form under the orbs of the orb file.
#pragma once

#include "aspects/aspect_codes.h"

namespace kairotex {

// The aspect code (kNoAspect, or kConjunction..kSeptile other than kParallel) of
// two longitudes in degrees. The separation and the orb bounds are compared as
// 32-bit floats with inclusive bounds; where orbs overlap the later test wins, and
// the conjunction is tested last. The opposition has no upper bound.
int ClassifyAspect(double a, double b, const OrbTable& orbs);

}  // namespace kairotex
