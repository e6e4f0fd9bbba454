#include "chart/perturbation_series.h"

#include "chart/angles.h"

namespace kairotex::planets {
namespace {

double Evaluate(const Factor& f, const AngleHarmonics& h) {
  if (f.trig == Trig::kOne) return 1.0;
  const Rotation r = h.Of(f);
  return f.trig == Trig::kSin ? r.sin : r.cos;
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
