// Parallels of declination, listed in the aspect window beside the aspects.
#pragma once

#include "aspects/aspect_codes.h"

namespace kairotex {

// True when the declinations p and q (degrees, north positive) differ in size by
// at most the parallel orb (orb line 6), the difference taken as a 32-bit float.
bool IsParallel(double p, double q, const OrbTable& orbs);

// True when a parallel is a contraparallel: one declination negative, the other
// zero or positive.
bool IsContraparallel(double p, double q);

}  // namespace kairotex
