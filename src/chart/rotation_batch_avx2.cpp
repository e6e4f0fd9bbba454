// Four angles' sines and cosines at a time in AVX2 lanes.
#include "chart/harmonics.h"
#include "chart/vector_math_avx2.h"

namespace kairotex {

KAIROTEX_AVX2 void RotationsOfDegreesAvx2(const double* degrees, Rotation* out,
                                          std::size_t groups_of_four) {
  for (std::size_t g = 0; g < groups_of_four; ++g) {
    const avx2::Lanes radians = _mm256_loadu_pd(degrees + 4 * g) * avx2::Splat(kProgramPi / 180.0);
    const avx2::SinCos sc = avx2::SinCosOf(radians);
    alignas(32) double cos[4], sin[4];
    _mm256_store_pd(cos, sc.cos);
    _mm256_store_pd(sin, sc.sin);
    for (int i = 0; i < 4; ++i) out[4 * g + i] = {cos[i], sin[i]};
  }
}

}  // namespace kairotex
