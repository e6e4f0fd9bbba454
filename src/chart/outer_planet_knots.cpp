#include "chart/outer_planet_knots.h"

#include <cmath>

#include "chart/angles.h"

namespace kairotex {
namespace {

constexpr double kKnotsPerCentury = 36525.0 * 48.0;  // every half hour
constexpr int kJupiter = 5, kPluto = 9;

double CenturiesOfKnot(int64_t knot) {
  return static_cast<double>(knot) / kKnotsPerCentury;
}

// The difference b - a of two longitudes, the short way round.
double LongitudeChange(double a, double b) {
  double d = b - a;
  if (d > 180.0) d -= 360.0;
  if (d < -180.0) d += 360.0;
  return d;
}

// Newton's parabola through f0, f0 + d1 and f0 + d2 at 0, 1 and 2, at x.
double Parabola(double f0, double d1, double d2, double x) {
  return f0 + x * d1 + x * (x - 1.0) * 0.5 * (d2 - 2.0 * d1);
}

}  // namespace

OuterHelio OuterPlanetKnots::At(double t1900) {
  const double knots = t1900 * kKnotsPerCentury;
  const auto first = static_cast<int64_t>(std::floor(knots));
  if (first == first_ + 1) {
    knot_[0] = knot_[1];
    knot_[1] = knot_[2];
    knot_[2] = OuterHelioAt(elements_, CenturiesOfKnot(first + 2));
  } else if (first != first_) {
    for (int k = 0; k < 3; ++k) knot_[k] = OuterHelioAt(elements_, CenturiesOfKnot(first + k));
  }
  first_ = first;
  const double x = knots - static_cast<double>(first);
  OuterHelio h;
  h.helio[1] = EarthHelioAt(elements_, t1900);
  for (int body = kJupiter; body <= kPluto; ++body) {
    const Spherical& a = knot_[0].helio[body];
    const Spherical& b = knot_[1].helio[body];
    const Spherical& c = knot_[2].helio[body];
    Spherical& p = h.helio[body];
    p.lon = Normalize360(
        Parabola(a.lon, LongitudeChange(a.lon, b.lon), LongitudeChange(a.lon, c.lon), x));
    p.lat = Parabola(a.lat, b.lat - a.lat, c.lat - a.lat, x);
    p.radius = Parabola(a.radius, b.radius - a.radius, c.radius - a.radius, x);
    const double l0 = knot_[0].longitude_correction[body];
    h.longitude_correction[body] = Parabola(l0, knot_[1].longitude_correction[body] - l0,
                                            knot_[2].longitude_correction[body] - l0, x);
  }
  return h;
}

}  // namespace kairotex
