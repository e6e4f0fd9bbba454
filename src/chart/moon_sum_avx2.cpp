#include "chart/moon_sum_avx2.h"

#include "chart/vector_math_avx2.h"

namespace kairotex {
namespace {

using avx2::Lanes;

struct RotationLanes {
  Lanes cos, sin;
};

// The rotations of four terms for one argument, turned from four (cos, sin)
// pairs into a lane of cosines and a lane of sines.
KAIROTEX_AVX2 RotationLanes Load(const Rotation* zero, const std::int8_t* multiples) {
  const __m128d r0 = _mm_loadu_pd(reinterpret_cast<const double*>(zero + multiples[0]));
  const __m128d r1 = _mm_loadu_pd(reinterpret_cast<const double*>(zero + multiples[4]));
  const __m128d r2 = _mm_loadu_pd(reinterpret_cast<const double*>(zero + multiples[8]));
  const __m128d r3 = _mm_loadu_pd(reinterpret_cast<const double*>(zero + multiples[12]));
  const Lanes even = _mm256_set_m128d(r2, r0);  // c0 s0 c2 s2
  const Lanes odd = _mm256_set_m128d(r3, r1);   // c1 s1 c3 s3
  return {_mm256_unpacklo_pd(even, odd), _mm256_unpackhi_pd(even, odd)};
}

KAIROTEX_AVX2 RotationLanes Times(const RotationLanes& a, const RotationLanes& b) {
  return {a.cos * b.cos - a.sin * b.sin, a.sin * b.cos + a.cos * b.sin};
}

}  // namespace

KAIROTEX_AVX2 double SumOfSinesAvx2(const double* amplitudes, const std::int8_t* multiples,
                                    std::size_t padded,
                                    const std::array<const Rotation*, 4>& arguments) {
  Lanes sum = avx2::Splat(0.0);
  for (std::size_t i = 0; i < padded; i += 4) {
    const std::int8_t* m = multiples + 4 * i;
    const RotationLanes ab = Times(Load(arguments[0], m), Load(arguments[1], m + 1));
    const RotationLanes abc = Times(ab, Load(arguments[2], m + 2));
    const RotationLanes d = Load(arguments[3], m + 3);
    sum += _mm256_loadu_pd(amplitudes + i) * (abc.sin * d.cos + abc.cos * d.sin);
  }
  alignas(32) double parts[4];
  _mm256_store_pd(parts, sum);
  return (parts[0] + parts[1]) + (parts[2] + parts[3]);
}

}  // namespace kairotex
