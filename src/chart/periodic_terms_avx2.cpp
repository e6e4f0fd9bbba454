#include "chart/periodic_terms_avx2.h"

#include "chart/vector_math_avx2.h"

namespace kairotex {
namespace {

using avx2::Lanes;

struct RotationLanes {
  Lanes cos, sin;
};

// The rotations of four terms for one argument, turned from four (cos, sin)
// pairs into a lane of cosines and a lane of sines.
// Each term's multiples are `stride` apart.
KAIROTEX_AVX2 RotationLanes Load(const Rotation* zero, const std::int8_t* multiples, int stride) {
  const __m128d r0 = _mm_loadu_pd(reinterpret_cast<const double*>(zero + multiples[0]));
  const __m128d r1 = _mm_loadu_pd(reinterpret_cast<const double*>(zero + multiples[stride]));
  const __m128d r2 = _mm_loadu_pd(reinterpret_cast<const double*>(zero + multiples[2 * stride]));
  const __m128d r3 = _mm_loadu_pd(reinterpret_cast<const double*>(zero + multiples[3 * stride]));
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
    const RotationLanes ab = Times(Load(arguments[0], m, 4), Load(arguments[1], m + 1, 4));
    const RotationLanes abc = Times(ab, Load(arguments[2], m + 2, 4));
    const RotationLanes d = Load(arguments[3], m + 3, 4);
    sum += _mm256_loadu_pd(amplitudes + i) * (abc.sin * d.cos + abc.cos * d.sin);
  }
  alignas(32) double parts[4];
  _mm256_store_pd(parts, sum);
  return (parts[0] + parts[1]) + (parts[2] + parts[3]);
}

KAIROTEX_AVX2 std::array<double, 3> PlutoSumsAvx2(const double* coefficients,
                                                  const std::int8_t* multiples, std::size_t padded,
                                                  const std::array<const Rotation*, 3>& arguments) {
  Lanes sums[3] = {avx2::Splat(0.0), avx2::Splat(0.0), avx2::Splat(0.0)};
  for (std::size_t i = 0; i < padded; i += 4) {
    const std::int8_t* m = multiples + 3 * i;
    const RotationLanes a = Times(Times(Load(arguments[0], m, 3), Load(arguments[1], m + 1, 3)),
                                  Load(arguments[2], m + 2, 3));
    for (int k = 0; k < 3; ++k) {
      const Lanes sin_part = _mm256_loadu_pd(coefficients + (2 * k) * padded + i);
      const Lanes cos_part = _mm256_loadu_pd(coefficients + (2 * k + 1) * padded + i);
      sums[k] += sin_part * a.sin + cos_part * a.cos;
    }
  }
  std::array<double, 3> out;
  for (int k = 0; k < 3; ++k) {
    alignas(32) double parts[4];
    _mm256_store_pd(parts, sums[k]);
    out[k] = (parts[0] + parts[1]) + (parts[2] + parts[3]);
  }
  return out;
}

}  // namespace kairotex
