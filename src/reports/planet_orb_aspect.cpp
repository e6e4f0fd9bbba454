#include "reports/planet_orb_aspect.h"

#include <cmath>

#include "chart/chart_state.h"

namespace kairotex {

double PlanetOrb(const OptionsTable& options, int object) {
  // Option of each object's orb, objects 1..10; 0 = no orb.
  static constexpr int kOrbOption[] = {0, 34, 36, 37, 38, 39, 40, 41, 42, 43, 35};
  if (object < kSun || object > kMoon) return 0.0;
  return options[kOrbOption[object]];
}

int PlanetOrbAspect(double s, double orb, bool node_in_pair) {
  if (node_in_pair) return s < orb ? 2 : 1;
  if (std::fabs(s - 60.0) <= orb) return 3;
  if (std::fabs(s - 90.0) <= orb) return 4;
  if (std::fabs(s - 120.0) <= orb) return 5;
  if (s >= 180.0 - orb) return 6;
  if (s < orb) return 2;
  return 1;
}

double ExactAngleOf(int code) {
  switch (code) {
    case 3:
      return 60.0;
    case 4:
      return 90.0;
    case 5:
      return 120.0;
    case 6:
      return 180.0;
    default:
      return 0.0;
  }
}

}  // namespace kairotex
