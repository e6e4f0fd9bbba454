#include "chart/perturbation_series.h"

#include "chart/angles.h"

namespace kairotex::planets {
namespace {

double Evaluate(const Factor& f, const AngleValues& a) {
  if (f.trig == Trig::kOne) return 1.0;
  const double x =
      f.m1 * a[static_cast<std::size_t>(f.x1)] + f.m2 * a[static_cast<std::size_t>(f.x2)];
  return f.trig == Trig::kSin ? SinDeg(x) : CosDeg(x);
}

}  // namespace

double SumSeries(std::span<const SeriesTerm> terms, double u, const AngleValues& angles) {
  double sum = 0;
  for (const SeriesTerm& t : terms) {
    sum += (t.c0 + t.c1 * u + t.c2 * u * u) * Evaluate(t.f, angles) * Evaluate(t.g, angles);
  }
  return sum;
}

}  // namespace kairotex::planets
