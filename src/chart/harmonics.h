// Sines and cosines of small integer multiples of an angle, built by repeated
// rotation. A periodic series of many terms in a few arguments then needs one
// sine and cosine per argument instead of one per term.
#pragma once

#include <array>
#include <cmath>

#include "chart/angles.h"

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

class Harmonics {
 public:
  static constexpr int kMaxMultiple = 8;

  Harmonics() = default;
  explicit Harmonics(double degrees) {
    powers_[1] = RotationOfDegrees(degrees);
    for (int k = 2; k <= kMaxMultiple; ++k) powers_[k] = powers_[k - 1] * powers_[1];
  }

  // The rotation by k times the angle, |k| <= kMaxMultiple.
  Rotation operator[](int k) const {
    if (k >= 0) return powers_[k];
    const Rotation& r = powers_[-k];
    return {r.cos, -r.sin};
  }

 private:
  std::array<Rotation, kMaxMultiple + 1> powers_{};
};

}  // namespace kairotex
