// The arguments shared by the perturbation series of Jupiter to Neptune.
#pragma once

namespace kairotex::planets {

// Two moments side by side, lane 0 and lane 1: the series of a chart's
// moment and of its next day are summed together, each lane exactly as alone.
using TwoMoments = double __attribute__((vector_size(16)));

struct OuterArguments {
  TwoMoments u{};        // T / 5 + 0.1
  TwoMoments p{};        // Jupiter's mean longitude on a fixed equinox
  TwoMoments q{};        // Saturn's
  TwoMoments s{};        // Uranus'
  TwoMoments g{};        // Neptune's
  TwoMoments v{};        // 5Q - 2P, the great inequality of Jupiter and Saturn
  TwoMoments w{};        // 2P - 6Q + 3S
  TwoMoments zeta{};     // Q - P
  TwoMoments psi{};      // S - Q
  TwoMoments g_prime{};  // G', Uranus' mean anomaly
};

// All in degrees (not reduced), at two moments in Julian centuries from 1900
// January 0.5.
OuterArguments ComputeOuterArguments(double t1900, double other_t1900);

}  // namespace kairotex::planets
