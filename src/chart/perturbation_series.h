// The periodic series in which the outer-planet perturbations are written:
// sums of terms (c0 + c1 u + c2 u^2) f g, where f and g are each 1 or the sine
// or cosine of an integer combination of at most two planetary arguments.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "chart/harmonics.h"

namespace kairotex::planets {

// The arguments a series may use, degrees. Each planet's routine fills them:
// zeta, eta and theta mean different differences for different planets.
enum class Angle : std::uint8_t { kV, kW, kQ, kS, kH, kGPrime, kZeta, kPsi, kEta, kTheta, kCount };

enum class Trig : std::uint8_t { kOne, kSin, kCos };

// trig(m1 x1 + m2 x2).
struct Factor {
  Trig trig = Trig::kOne;
  int m1 = 0;
  Angle x1 = Angle::kV;
  int m2 = 0;
  Angle x2 = Angle::kV;
};

inline constexpr Factor kOne{};
constexpr Factor Sin(int m, Angle x) {
  return {Trig::kSin, m, x, 0, Angle::kV};
}
constexpr Factor Cos(int m, Angle x) {
  return {Trig::kCos, m, x, 0, Angle::kV};
}
constexpr Factor Sin(int m1, Angle x1, int m2, Angle x2) {
  return {Trig::kSin, m1, x1, m2, x2};
}
constexpr Factor Cos(int m1, Angle x1, int m2, Angle x2) {
  return {Trig::kCos, m1, x1, m2, x2};
}

struct SeriesTerm {
  double c0 = 0, c1 = 0, c2 = 0;  // amplitude c0 + c1 u + c2 u^2
  Factor f, g;
};

// The largest multiple of an argument in the perturbation series.
inline constexpr int kSeriesReach = 5;

// The multiples of the arguments a planet's series uses, computed once per moment.
class AngleHarmonics {
 public:
  // Gives an argument its value in degrees; arguments never set stand at 0.
  void Set(Angle angle, double degrees) {
    of_[static_cast<std::size_t>(angle)] = Harmonics(degrees, kSeriesReach);
  }
  Rotation Of(const Factor& f) const {
    return of_[static_cast<std::size_t>(f.x1)][f.m1] * of_[static_cast<std::size_t>(f.x2)][f.m2];
  }

 private:
  std::array<Harmonics, static_cast<std::size_t>(Angle::kCount)> of_;
};

// Sum of the terms for the time argument u and the planet's arguments, in the
// unit of the amplitudes.
double SumSeries(std::span<const SeriesTerm> terms, double u, const AngleHarmonics& angles);

// Whether every multiple of a series lies within the harmonics' reach, and
// every factor of one has no multiples (its rotation is then exactly (1, 0)).
constexpr bool MultiplesFit(std::span<const SeriesTerm> terms) {
  for (const SeriesTerm& t : terms) {
    for (const Factor& f : {t.f, t.g}) {
      if (f.trig == Trig::kOne && (f.m1 != 0 || f.m2 != 0)) return false;
    }
    for (int m : {t.f.m1, t.f.m2, t.g.m1, t.g.m2}) {
      if (m > kSeriesReach || -m > kSeriesReach) return false;
    }
  }
  return true;
}

}  // namespace kairotex::planets
