#include "chart/perturbation_series.h"

#include "chart/angles.h"

namespace kairotex::planets {
namespace {

// Without a branch on the kind of factor, which the tables mix at random: a
// factor of one has no multiples, whose rotation is exactly (1, 0).
double Evaluate(const Factor& f, const AngleHarmonics& h) {
  const Rotation r = h.Of(f);
  const double parts[2] = {r.cos, r.sin};
  return parts[f.trig == Trig::kSin];
}

}  // namespace

double SumSeries(std::span<const SeriesTerm> terms, double u, const AngleHarmonics& angles) {
  double sum = 0;
  for (const SeriesTerm& t : terms) {
    sum += (t.c0 + t.c1 * u + t.c2 * u * u) * Evaluate(t.f, angles) * Evaluate(t.g, angles);
  }
  return sum;
}

}  // namespace kairotex::planets
