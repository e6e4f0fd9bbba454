// The periodic series in which the outer-planet perturbations are written:
// sums of terms (c0 + c1 u + c2 u^2) f g, where f and g are each 1 or the sine
// or cosine of an integer combination of at most two planetary arguments.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "chart/harmonics.h"
#include "chart/outer_planet_arguments.h"

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

// A rotation at each of two moments.
struct TwoRotations {
  TwoMoments cos = {1.0, 1.0};
  TwoMoments sin = {0.0, 0.0};
};

// The multiples of the arguments a planet's series uses, computed once per
// pair of moments, in one flat table: argument by argument, multiples -reach
// to reach.
class AngleHarmonics {
 public:
  static constexpr int kStride = 2 * kSeriesReach + 1;
  static constexpr std::uint16_t IndexOf(Angle angle, int multiple) {
    return static_cast<std::uint16_t>(static_cast<int>(angle) * kStride + kSeriesReach + multiple);
  }

  // Gives an argument its values in degrees; arguments never set stand at 0.
  void Set(Angle angle, TwoMoments degrees) {
    set_[count_] = angle;
    degrees_[2 * count_] = degrees[0];
    degrees_[2 * count_ + 1] = degrees[1];
    ++count_;
  }
  // Builds the multiples of every argument set, their sines and cosines at once.
  void Build(EnginePath path) {
    std::array<Rotation, 2 * kArguments> once;
    RotationsOfDegrees(std::span(degrees_).first(2 * count_), std::span(once).first(2 * count_),
                       path);
    for (std::size_t k = 0; k < count_; ++k) {
      const Harmonics first(once[2 * k], kSeriesReach), second(once[2 * k + 1], kSeriesReach);
      for (int m = -kSeriesReach; m <= kSeriesReach; ++m) {
        flat_[IndexOf(set_[k], m)] = {TwoMoments{first[m].cos, second[m].cos},
                                      TwoMoments{first[m].sin, second[m].sin}};
      }
    }
  }
  const TwoRotations* Flat() const { return flat_.data(); }

 private:
  static constexpr std::size_t kArguments = static_cast<std::size_t>(Angle::kCount);
  std::array<TwoRotations, kArguments * kStride> flat_{};
  std::array<Angle, kArguments> set_{};
  std::array<double, 2 * kArguments> degrees_{};  // both moments of each argument set
  std::size_t count_ = 0;
};

// A term with its factors' rotations as places in the flat table, read
// without decoding: trig(m1 x1 + m2 x2) is the rotation product of the two.
struct CompiledTerm {
  double c0 = 0, c1 = 0, c2 = 0;
  std::uint16_t f1 = 0, f2 = 0, g1 = 0, g2 = 0;
  bool f_sin = false, g_sin = false;
};

template <std::size_t N>
constexpr std::array<CompiledTerm, N> CompileSeries(const std::array<SeriesTerm, N>& terms) {
  std::array<CompiledTerm, N> out{};
  for (std::size_t i = 0; i < N; ++i) {
    const SeriesTerm& t = terms[i];
    out[i] = {t.c0,
              t.c1,
              t.c2,
              AngleHarmonics::IndexOf(t.f.x1, t.f.m1),
              AngleHarmonics::IndexOf(t.f.x2, t.f.m2),
              AngleHarmonics::IndexOf(t.g.x1, t.g.m1),
              AngleHarmonics::IndexOf(t.g.x2, t.g.m2),
              t.f.trig == Trig::kSin,
              t.g.trig == Trig::kSin};
  }
  return out;
}

// Sum of the terms for the time argument u and the planet's arguments, in the
// unit of the amplitudes, at both moments.
TwoMoments SumSeries(std::span<const CompiledTerm> terms, TwoMoments u,
                     const AngleHarmonics& angles);

// The same for a table, compiled once.
template <const auto& Terms>
TwoMoments SumSeries(TwoMoments u, const AngleHarmonics& angles) {
  static constexpr auto kCompiled = CompileSeries(Terms);
  return SumSeries(std::span<const CompiledTerm>(kCompiled), u, angles);
}

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
