#include "chart/outer_planet_arguments.h"

namespace kairotex::planets {

OuterArguments ComputeOuterArguments(double t1900, double other_t1900) {
  const TwoMoments t = {t1900, other_t1900};
  OuterArguments a;
  a.u = t / 5.0 + 0.1;
  a.p = 237.47555 + 3034.9061 * t;
  a.q = 265.9165 + 1222.1139 * t;
  a.s = 243.51721 + 428.4677 * t;
  a.g = 83.76922 + 218.4901 * t;
  a.v = 5.0 * a.q - 2.0 * a.p;
  a.w = 2.0 * a.p - 6.0 * a.q + 3.0 * a.s;
  a.zeta = a.q - a.p;
  a.psi = a.s - a.q;
  a.g_prime = 72.64878 + 428.37911 * t;
  return a;
}

}  // namespace kairotex::planets
