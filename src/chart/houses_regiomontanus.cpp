// Regiomontanus cusps: equal divisions of the celestial equator projected by
// great circles through the north and south points of the horizon.
#include <cmath>

#include "chart/angles.h"
#include "chart/house_systems.h"

namespace kairotex {

HouseCusps RegiomontanusHouses(const HouseFrame& frame) {
  HouseCusps c{};
  const double se = std::sin(frame.obliquity), ce = std::cos(frame.obliquity);
  const double tan_lat = std::tan(frame.latitude);
  for (int k = 1; k <= 12; ++k) {
    const double h = DegToRad(HouseAngle(k));
    const double a = frame.ramc + h;
    c[k] = QuadrantAngle(std::sin(a), ce * std::cos(a) - se * tan_lat * std::sin(h));
  }
  return c;
}

}  // namespace kairotex
