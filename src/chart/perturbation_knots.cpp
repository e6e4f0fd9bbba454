#include "chart/perturbation_knots.h"

#include <cmath>

namespace kairotex {
namespace {

// Knots every half hour: the straight line between them then stays within
// a few 1e-11 degree of the exact perturbations.
constexpr double kKnotsPerCentury = 36525.0 * 48.0;

double CenturiesOfKnot(int64_t knot) {
  return static_cast<double>(knot) / kKnotsPerCentury;
}

}  // namespace

OuterPerturbations PerturbationKnots::At(double t1900, EnginePath path) {
  const double knots = t1900 * kKnotsPerCentury;
  const auto knot = static_cast<int64_t>(std::floor(knots));
  if (knot == knot_ + 1) {
    at_knot_ = at_next_knot_;
    at_next_knot_ = OuterPerturbationsAt(CenturiesOfKnot(knot + 1), path);
  } else if (knot != knot_) {
    const auto both = OuterPerturbationsAt(CenturiesOfKnot(knot), CenturiesOfKnot(knot + 1), path);
    at_knot_ = both[0];
    at_next_knot_ = both[1];
  }
  knot_ = knot;
  return InterpolatePerturbations(at_knot_, at_next_knot_, knots - static_cast<double>(knot));
}

}  // namespace kairotex
