// The eight house systems. Each takes the local sidereal time, obliquity and
// latitude (radians) with the Ascendant and Midheaven (degrees) and gives the
// twelve cusps in house order ([1] = 1st house), in degrees.
#pragma once

#include <array>

#include "chart/chart_state.h"
#include "chart/engine_path.h"

namespace kairotex {

struct HouseFrame {
  double ramc = 0;                       // radians
  double obliquity = 0;                  // radians
  double latitude = 0;                   // radians, negative south
  double asc = 0;                        // degrees
  double mc = 0;                         // degrees
  EnginePath path = EnginePath::kPlain;  // the code that iterates Placidus's cusps
};

using HouseCusps = std::array<double, 13>;  // index 0 unused

// House angle of house k: 30k + 60 degrees (1st 90, 4th 180, 10th 360).
inline double HouseAngle(int k) {
  return 30.0 * k + 60.0;
}

HouseCusps PlacidusHouses(const HouseFrame& frame);
HouseCusps RegiomontanusHouses(const HouseFrame& frame);
HouseCusps KochHouses(const HouseFrame& frame);
HouseCusps CampanusHouses(const HouseFrame& frame);
HouseCusps PorphyryHouses(const HouseFrame& frame);
HouseCusps EqualHouses(const HouseFrame& frame);
HouseCusps MeridianHouses(const HouseFrame& frame);
HouseCusps MorinusHouses(const HouseFrame& frame);

// Cusps for a house system letter; any letter not known is Regiomontanus.
HouseCusps HousesForSystem(char letter, const HouseFrame& frame);

// Fills CuspByHouse, CuspWheel (wheel order, normalized) and SiderealTimeText
// for the chart's HouseSystemLetter.
void ComputeHouseCusps(ChartState& state, EnginePath path);

}  // namespace kairotex
