// The Sun by Newcomb's theory, reduced to apparent longitude.
#pragma once

namespace kairotex {

// Apparent geocentric longitude of the Sun in degrees (not normalized),
// t in Julian centuries from JD 2415020.0 (1900 January 0.5).
double ComputeSun(double t1900);

}  // namespace kairotex
