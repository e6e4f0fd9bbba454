// The arguments shared by the perturbation series of Jupiter to Neptune.
#pragma once

namespace kairotex::planets {

struct OuterArguments {
  double u = 0;        // T / 5 + 0.1
  double p = 0;        // Jupiter's mean longitude on a fixed equinox
  double q = 0;        // Saturn's
  double s = 0;        // Uranus'
  double g = 0;        // Neptune's
  double v = 0;        // 5Q - 2P, the great inequality of Jupiter and Saturn
  double w = 0;        // 2P - 6Q + 3S
  double zeta = 0;     // Q - P
  double psi = 0;      // S - Q
  double g_prime = 0;  // G', Uranus' mean anomaly
};

// All in degrees (not reduced), t in Julian centuries from 1900 January 0.5.
OuterArguments ComputeOuterArguments(double t1900);

}  // namespace kairotex::planets
