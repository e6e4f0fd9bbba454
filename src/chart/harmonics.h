// Sines and cosines of small integer multiples of an angle, built by repeated
// rotation. A periodic series of many terms in a few arguments then needs one
// sine and cosine per argument instead of one per term.
#pragma once

#include <array>
#include <cmath>
#include <span>

#include "chart/angles.h"
#include "chart/engine_path.h"

namespace kairotex {

// A point on the unit circle: cos and sin of an angle.
struct Rotation {
  double cos = 1.0;
  double sin = 0.0;
};

// The rotation by the sum of the two angles.
inline Rotation operator*(const Rotation& a, const Rotation& b) {
  return {a.cos * b.cos - a.sin * b.sin, a.sin * b.cos + a.cos * b.sin};
}

inline Rotation RotationOfDegrees(double degrees) {
  const double radians = DegToRad(degrees);
  return {std::cos(radians), std::sin(radians)};
}

// out[i] = RotationOfDegrees(degrees[i]): many angles' sines and cosines at
// once, four at a time on the AVX2 path; the spans are of one length.
void RotationsOfDegrees(std::span<const double> degrees, std::span<Rotation> out, EnginePath path);
// The AVX2 path, for whole groups of four; only where the processor has AVX2.
void RotationsOfDegreesAvx2(const double* degrees, Rotation* out, std::size_t groups_of_four);

class Harmonics {
 public:
  static constexpr int kMaxMultiple = 8;

  Harmonics() = default;
  // Multiples from -reach to reach (reach at most kMaxMultiple) are built.
  explicit Harmonics(double degrees, int reach = kMaxMultiple)
      : Harmonics(RotationOfDegrees(degrees), reach) {}
  // The same from the angle's rotation.
  Harmonics(const Rotation& once, int reach) {
    Rotation power = once;
    for (int k = 1; k <= reach; ++k) {
      powers_[kMaxMultiple + k] = power;
      powers_[kMaxMultiple - k] = {power.cos, -power.sin};
      power = power * once;
    }
  }

  // The rotation by k times the angle, |k| within the reach it was built for.
  const Rotation& operator[](int k) const { return powers_[kMaxMultiple + k]; }

 private:
  std::array<Rotation, 2 * kMaxMultiple + 1> powers_{};
};

}  // namespace kairotex
