#include "chart/perturbation_series.h"

namespace kairotex::planets {
namespace {

// The sine or the cosine of the sum of two angles, as the rotation product
// gives it: a factor of one is the product of two zero rotations, (1, 0).
TwoMoments Component(const TwoRotations& a, const TwoRotations& b, bool sine) {
  const TwoMoments cos = a.cos * b.cos - a.sin * b.sin;
  const TwoMoments sin = a.sin * b.cos + a.cos * b.sin;
  return sine ? sin : cos;
}

}  // namespace

TwoMoments SumSeries(std::span<const CompiledTerm> terms, TwoMoments u,
                     const AngleHarmonics& angles) {
  const TwoRotations* r = angles.Flat();
  TwoMoments sum = {0.0, 0.0};
  for (const CompiledTerm& t : terms) {
    sum += (t.c0 + t.c1 * u + t.c2 * u * u) * Component(r[t.f1], r[t.f2], t.f_sin) *
           Component(r[t.g1], r[t.g2], t.g_sin);
  }
  return sum;
}

}  // namespace kairotex::planets
