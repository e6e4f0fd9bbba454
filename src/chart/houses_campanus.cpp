// Campanus cusps: equal divisions of the prime vertical.
#include <cmath>

#include "chart/angles.h"
#include "chart/house_systems.h"

namespace kairotex {

HouseCusps CampanusHouses(const HouseFrame& frame) {
  HouseCusps c{};
  const double se = std::sin(frame.obliquity), ce = std::cos(frame.obliquity);
  const double tan_lat = std::tan(frame.latitude), cos_lat = std::cos(frame.latitude);
  for (int k = 1; k <= 12; ++k) {
    // The millionth of a degree keeps tan H finite at 90 and 270.
    const double h = DegToRad(30.0 * k + 60.000001);
    double b = std::atan(cos_lat * std::tan(h));
    if (b < 0) b += kProgramPi;
    if (std::sin(h) < 0) b += kProgramPi;
    const double a = frame.ramc + b;
    c[k] = QuadrantAngle(std::sin(a), ce * std::cos(a) - se * tan_lat * std::sin(b));
  }
  return c;
}

}  // namespace kairotex
