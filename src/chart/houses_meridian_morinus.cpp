// Meridian and Morinus cusps: equal divisions of the equator carried to the
// ecliptic along hour circles (Meridian) or along circles through the ecliptic
// poles (Morinus); neither depends on the latitude.
#include <cmath>

#include "chart/angles.h"
#include "chart/house_systems.h"

namespace kairotex {

HouseCusps MeridianHouses(const HouseFrame& frame) {
  HouseCusps c{};
  const double ce = std::cos(frame.obliquity);
  for (int k = 1; k <= 12; ++k) {
    const double a = frame.ramc + DegToRad(HouseAngle(k));
    c[k] = QuadrantAngle(std::sin(a), ce * std::cos(a));  // tan lon = tan A / cos eps
  }
  return c;
}

HouseCusps MorinusHouses(const HouseFrame& frame) {
  HouseCusps c{};
  const double ce = std::cos(frame.obliquity);
  for (int k = 1; k <= 12; ++k) {
    const double a = frame.ramc + DegToRad(HouseAngle(k));
    c[k] = QuadrantAngle(ce * std::sin(a), std::cos(a));  // tan lon = cos eps tan A
  }
  return c;
}

}  // namespace kairotex
