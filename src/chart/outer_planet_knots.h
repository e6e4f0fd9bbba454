// Jupiter to Pluto for a scan of many close moments: seen from the Sun they
// move slowly and smoothly, so their places (with the perturbations and
// Pluto's series that are most of their work) are computed exactly every
// half hour and taken on the parabola through three such knots. The Earth,
// which moves fast, is computed at each moment. The parabola stays within
// 1e-12 degree of the exact places, far inside the engine's 1e-9.
#pragma once

#include <array>
#include <cstdint>

#include "chart/planet_theory.h"

namespace kairotex {

class OuterPlanetKnots {
 public:
  explicit OuterPlanetKnots(const OrbitalElements& elements) : elements_(elements) {}

  // The outer planets at t1900 (Julian centuries from 1900 January 0.5).
  // Moments in increasing order compute each knot once.
  OuterHelio At(double t1900);

 private:
  const OrbitalElements& elements_;
  int64_t first_ = INT64_MIN;       // the knot at or before the last moment asked
  std::array<OuterHelio, 3> knot_;  // at first_, first_ + 1, first_ + 2
};

}  // namespace kairotex
