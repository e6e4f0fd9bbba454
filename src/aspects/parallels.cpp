#include "aspects/parallels.h"

#include <cmath>

namespace kairotex {

bool IsParallel(double p, double q, const OrbTable& orbs) {
  const float difference = static_cast<float>(std::fabs(std::fabs(p) - std::fabs(q)));
  return difference <= orbs[kParallel - 1];
}

bool IsContraparallel(double p, double q) {
  return (p < 0.0) != (q < 0.0);
}

}  // namespace kairotex
