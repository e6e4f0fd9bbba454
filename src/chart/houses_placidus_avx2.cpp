// Placidus's four intermediate cusps as the four lanes of one vector: the
// same rounds as the plain iteration, each lane frozen once it settles.
#include <cmath>

#include "chart/angles.h"
#include "chart/placidus_cusps.h"
#include "chart/vector_math_avx2.h"

namespace kairotex {
namespace {

using avx2::Lanes;
using avx2::Splat;

// The arccosine as the program takes it, atan(sqrt(1 - x^2) / x).
KAIROTEX_AVX2 Lanes ArcCosLanes(Lanes x) {
  return avx2::ArcTanOfRatio(avx2::Sqrt(Splat(1.0) - x * x), x);
}

KAIROTEX_AVX2 std::array<double, 4> Cusps(const PlacidusStarts& starts, const HouseFrame& frame) {
  // A latitude of exactly 0 would make the semi-arc undefined.
  const double latitude = frame.latitude == 0.0 ? 1e-05 : frame.latitude;
  const Lanes k = Splat(std::tan(frame.obliquity) * std::tan(latitude));
  alignas(32) double sign_of[4], upper_of[4], share_of[4], alpha_of[4];
  for (int i = 0; i < 4; ++i) {
    sign_of[i] = starts[i].upper_side ? -1.0 : 1.0;
    upper_of[i] = starts[i].upper_side ? -1.0 : 0.0;  // a mask's sign bit
    share_of[i] = 1.0 / starts[i].divisor;            // a product in the rounds, not a quotient
    alpha_of[i] = starts[i].alpha0;
  }
  const Lanes sign = _mm256_load_pd(sign_of), upper = _mm256_load_pd(upper_of);
  const Lanes share = _mm256_load_pd(share_of);
  const Lanes ramc = Splat(frame.ramc), pi = Splat(kProgramPi), zero = Splat(0.0);
  Lanes alpha = _mm256_load_pd(alpha_of);
  Lanes running = _mm256_castsi256_pd(_mm256_set1_epi64x(-1));
  for (int round = 0; round < 100 && avx2::AnySet(running); ++round) {
    const avx2::SinCos sc = avx2::SinCosOf(alpha);
    Lanes semi_arc = ArcCosLanes(sign * sc.sin * k);
    semi_arc = avx2::Select(avx2::Less(semi_arc, zero), semi_arc + pi, semi_arc);
    const Lanes next = avx2::Select(upper, ramc + semi_arc * share, (ramc + pi) - semi_arc * share);
    const Lanes settled = avx2::Less(avx2::Abs(next - alpha), Splat(1e-10));
    alpha = avx2::Select(running, next, alpha);
    running = _mm256_andnot_pd(settled, running);
  }

  // The settled right ascensions' ecliptic longitudes, by the quadrant rule.
  const avx2::SinCos sc = avx2::SinCosOf(alpha);
  Lanes c = avx2::ArcTanOfRatio(sc.sin, sc.cos * Splat(std::cos(frame.obliquity)));
  c = avx2::Select(avx2::Less(c, zero), c + pi, c);
  c = avx2::Select(avx2::Less(sc.sin, zero), c + pi, c);
  alignas(32) double degrees[4];
  _mm256_store_pd(degrees, c * Splat(180.0) / pi);
  return {degrees[0], degrees[1], degrees[2], degrees[3]};
}

}  // namespace

KAIROTEX_AVX2 std::array<double, 4> PlacidusCuspsAvx2(const PlacidusStarts& starts,
                                                      const HouseFrame& frame) {
  return Cusps(starts, frame);
}

}  // namespace kairotex
