// Sine, cosine and arctangent of four doubles at once, for the AVX2 kernels.
// Every function here and in the kernels is marked KAIROTEX_AVX2 and is
// internal to the file that includes it, so no other file can pick up code
// for a newer processor; the kernels run only where the processor has AVX2.
//
// Each agrees with the C library to within an ulp or two; the engine's
// results stay within 1e-12 degree of the plain path's.
#pragma once

#include <immintrin.h>

#define KAIROTEX_AVX2 __attribute__((target("avx2")))

namespace kairotex::avx2 {
namespace {

using Lanes = __m256d;

KAIROTEX_AVX2 inline Lanes Splat(double x) {
  return _mm256_set1_pd(x);
}
KAIROTEX_AVX2 inline Lanes Select(Lanes mask, Lanes if_true, Lanes if_false) {
  return _mm256_blendv_pd(if_false, if_true, mask);
}
KAIROTEX_AVX2 inline Lanes Less(Lanes a, Lanes b) {
  return _mm256_cmp_pd(a, b, _CMP_LT_OQ);
}
KAIROTEX_AVX2 inline Lanes Equal(Lanes a, Lanes b) {
  return _mm256_cmp_pd(a, b, _CMP_EQ_OQ);
}
KAIROTEX_AVX2 inline Lanes Abs(Lanes x) {
  return _mm256_andnot_pd(Splat(-0.0), x);
}
KAIROTEX_AVX2 inline Lanes Floor(Lanes x) {
  return _mm256_floor_pd(x);
}
KAIROTEX_AVX2 inline Lanes Sqrt(Lanes x) {
  return _mm256_sqrt_pd(x);
}
KAIROTEX_AVX2 inline bool AnySet(Lanes mask) {
  return _mm256_movemask_pd(mask) != 0;
}

struct SinCos {
  Lanes sin, cos;
};

// The argument less the nearest multiple q of pi/2 (pi/2 in two parts, the
// first exact in 33 bits, so that q * part is exact for |q| < 2^20), then
// the sine and cosine polynomials on [-pi/4, pi/4], swapped and signed by q.
KAIROTEX_AVX2 inline SinCos SinCosOf(Lanes x) {
  const Lanes kTwoOverPi = Splat(6.36619772367581382433e-01);
  const Lanes kPio2High = Splat(1.57079632673412561417e+00);
  const Lanes kPio2Low = Splat(6.07710050650619224932e-11);
  const Lanes kRoundingShift = Splat(6755399441055744.0);  // 1.5 * 2^52
  const Lanes shifted = x * kTwoOverPi + kRoundingShift;
  const Lanes q = shifted - kRoundingShift;  // the nearest whole number
  const Lanes r = (x - q * kPio2High) - q * kPio2Low;

  const Lanes z = r * r;
  // Both polynomials in Estrin's order, pairs of coefficients first: the
  // iterations that call this wait on fewer steps.
  const Lanes z2 = z * z;
  const Lanes sin_poly =
      (Splat(-1.66666666666666324348e-01) + z * Splat(8.33333333332248946124e-03)) +
      z2 * ((Splat(-1.98412698298579493134e-04) + z * Splat(2.75573137070700676789e-06)) +
            z2 * (Splat(-2.50507602534068634195e-08) + z * Splat(1.58969099521155010221e-10)));
  const Lanes sin_r = r + (z * r) * sin_poly;
  const Lanes cos_poly =
      z *
      ((Splat(4.16666666666666019037e-02) + z * Splat(-1.38888888888741095749e-03)) +
       z2 * ((Splat(2.48015872894767294178e-05) + z * Splat(-2.75573143513906633035e-07)) +
             z2 * (Splat(2.08757232129817482790e-09) + z * Splat(-1.13596475577881948265e-11))));
  const Lanes half_z = Splat(0.5) * z;
  const Lanes w = Splat(1.0) - half_z;
  const Lanes cos_r = w + (((Splat(1.0) - w) - half_z) + z * cos_poly);

  // The low bits of the shifted sum are q's: bit 0 swaps sine and cosine,
  // bit 1 (and bit 0 for the cosine) changes the sign.
  const __m256i quadrant = _mm256_castpd_si256(shifted);
  const Lanes odd = _mm256_castsi256_pd(
      _mm256_cmpeq_epi64(_mm256_and_si256(quadrant, _mm256_set1_epi64x(1)), _mm256_set1_epi64x(1)));
  const __m256i sin_sign = _mm256_slli_epi64(_mm256_and_si256(quadrant, _mm256_set1_epi64x(2)), 62);
  const __m256i cos_sign = _mm256_slli_epi64(
      _mm256_and_si256(_mm256_add_epi64(quadrant, _mm256_set1_epi64x(1)), _mm256_set1_epi64x(2)),
      62);
  SinCos out;
  out.sin = _mm256_xor_pd(Select(odd, cos_r, sin_r), _mm256_castsi256_pd(sin_sign));
  out.cos = _mm256_xor_pd(Select(odd, sin_r, cos_r), _mm256_castsi256_pd(cos_sign));
  return out;
}

// The arctangent of num / den, radians, with one division: |num| / |den|
// taken to one of five intervals about 0, 1/2, 1, 3/2 and infinity by
// comparisons, where atan(t) = atan(c) + atan((t - c) / (1 + c t)) and the
// remainder's numerator and denominator are scaled by |den|; then the series
// of the remainder, and the sign of the quotient. den == 0 gives +-pi/2.
KAIROTEX_AVX2 inline Lanes ArcTanOfRatio(Lanes num, Lanes den) {
  const Lanes a = Abs(num), b = Abs(den);
  const Lanes beyond_7_16 = _mm256_cmp_pd(a, Splat(0.4375) * b, _CMP_GE_OQ);
  const Lanes beyond_11_16 = _mm256_cmp_pd(a, Splat(0.6875) * b, _CMP_GE_OQ);
  const Lanes beyond_19_16 = _mm256_cmp_pd(a, Splat(1.1875) * b, _CMP_GE_OQ);
  const Lanes beyond_39_16 = _mm256_cmp_pd(a, Splat(2.4375) * b, _CMP_GE_OQ);
  Lanes n = a, d = b, high = Splat(0.0), low = Splat(0.0);
  n = Select(beyond_7_16, Splat(2.0) * a - b, n);
  d = Select(beyond_7_16, Splat(2.0) * b + a, d);
  high = Select(beyond_7_16, Splat(4.63647609000806093515e-01), high);
  low = Select(beyond_7_16, Splat(2.26987774529616870924e-17), low);
  n = Select(beyond_11_16, a - b, n);
  d = Select(beyond_11_16, a + b, d);
  high = Select(beyond_11_16, Splat(7.85398163397448278999e-01), high);
  low = Select(beyond_11_16, Splat(3.06161699786838301793e-17), low);
  n = Select(beyond_19_16, a - Splat(1.5) * b, n);
  d = Select(beyond_19_16, b + Splat(1.5) * a, d);
  high = Select(beyond_19_16, Splat(9.82793723247329054082e-01), high);
  low = Select(beyond_19_16, Splat(1.39033110312309984516e-17), low);
  n = Select(beyond_39_16, -b, n);
  d = Select(beyond_39_16, a, d);
  high = Select(beyond_39_16, Splat(1.57079632679489655800e+00), high);
  low = Select(beyond_39_16, Splat(6.12323399573676603587e-17), low);
  const Lanes y = n / d;

  const Lanes z = y * y;
  const Lanes w = z * z;
  const Lanes w2 = w * w;
  const Lanes odd_terms =
      z * ((Splat(3.33333333333329318027e-01) + w * Splat(1.42857142725034663711e-01)) +
           w2 * ((Splat(9.09088713343650656196e-02) + w * Splat(6.66107313738753120669e-02)) +
                 w2 * (Splat(4.97687799461593236017e-02) + w * Splat(1.62858201153657823623e-02))));
  const Lanes even_terms =
      w * ((Splat(-1.99999999998764832476e-01) + w * Splat(-1.11111104054623557880e-01)) +
           w2 * ((Splat(-7.69187620504482999495e-02) + w * Splat(-5.83357013379057348645e-02)) +
                 w2 * Splat(-3.65315727442169155270e-02)));
  const Lanes magnitude = high - ((y * (odd_terms + even_terms) - low) - y);
  const Lanes sign = _mm256_and_pd(_mm256_xor_pd(num, den), Splat(-0.0));
  return _mm256_or_pd(magnitude, sign);
}

}  // namespace
}  // namespace kairotex::avx2
