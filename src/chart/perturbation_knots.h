// The outer planets' perturbations for a scan of many close moments:
// computed exactly every half hour and taken on a straight line between two
// such knots. Their shortest periods are months, so the line stays far within
// the engine's 1e-9 degree; each moment then costs a small share of their work.
#pragma once

#include <cstdint>

#include "chart/planet_theory.h"

namespace kairotex {

class PerturbationKnots {
 public:
  // The perturbations at t1900 (Julian centuries from 1900 January 0.5).
  // Moments in increasing order compute each knot once.
  OuterPerturbations At(double t1900, EnginePath path);

 private:
  int64_t knot_ = INT64_MIN;  // the knot at or before the last moment asked
  OuterPerturbations at_knot_, at_next_knot_;
};

}  // namespace kairotex
