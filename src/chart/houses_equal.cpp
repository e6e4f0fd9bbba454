// Equal houses: thirty degrees each from the Ascendant; no Midheaven cusp.
#include "chart/angles.h"
#include "chart/house_systems.h"

namespace kairotex {

HouseCusps EqualHouses(const HouseFrame& frame) {
  HouseCusps c{};
  for (int k = 1; k <= 12; ++k) c[k] = Normalize360(frame.asc + 30.0 * (k - 1));
  return c;
}

}  // namespace kairotex
