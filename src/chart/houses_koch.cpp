// Koch cusps: trisection of the Midheaven's semi-arc by its ascensional difference.
#include <cmath>

#include "chart/angles.h"
#include "chart/house_systems.h"

namespace kairotex {

HouseCusps KochHouses(const HouseFrame& frame) {
  HouseCusps c{};
  const double se = std::sin(frame.obliquity), ce = std::cos(frame.obliquity);
  const double tan_lat = std::tan(frame.latitude);
  const double ramc_deg = RadToDeg(frame.ramc);
  const double d = RadToDeg(ArcSin(tan_lat * std::tan(frame.obliquity) * std::sin(frame.ramc)));
  for (int k = 1; k <= 12; ++k) {
    const double h = Normalize360(HouseAngle(k));
    const double s = h < 180.0 ? 1.0 : -1.0;
    const double q = h < 180.0 ? h / 90.0 - 1.0 : h / 90.0 - 3.0;
    const double x = DegToRad(Normalize360(ramc_deg + h + q * d));
    c[k] = QuadrantAngle(std::sin(x), std::cos(x) * ce - s * tan_lat * se);
  }
  return c;
}

}  // namespace kairotex
