// The house routine of the chart: dispatch by letter, wheel order, sidereal time text.
#include "chart/angles.h"
#include "chart/house_systems.h"
#include "chart/time_angles.h"
#include "settings/text_formats.h"

namespace kairotex {

HouseCusps HousesForSystem(char letter, const HouseFrame& frame) {
  switch (letter) {
    case 'P':
      return PlacidusHouses(frame);
    case 'K':
      return KochHouses(frame);
    case 'C':
      return CampanusHouses(frame);
    case 'O':
      return PorphyryHouses(frame);
    case 'E':
      return EqualHouses(frame);
    case 'M':
      return MeridianHouses(frame);
    case 'I':
      return MorinusHouses(frame);
    default:
      return RegiomontanusHouses(frame);
  }
}

void ComputeHouseCusps(ChartState& s, EnginePath path) {
  HouseFrame frame;
  frame.path = path;
  frame.ramc = s.Ramc;
  frame.obliquity = -s.NegObliquityRad;
  frame.latitude = ChartLatitudeRadians(s);
  frame.asc = s.AscLon;
  frame.mc = s.McLon;
  const HouseCusps by_house = HousesForSystem(s.HouseSystemLetter, frame);
  for (int k = 1; k <= 12; ++k) s.CuspByHouse[k] = by_house[k];
  // Wheel order: [1] = 10th house ... [4] = 1st ... [12] = 9th.
  for (int k = 1; k <= 9; ++k) s.CuspWheel[k + 3] = by_house[k];
  for (int k = 10; k <= 12; ++k) s.CuspWheel[k - 9] = by_house[k];
  for (int k = 1; k <= 12; ++k) s.CuspWheel[k] = Normalize360(s.CuspWheel[k]);

  s.SiderealTimeText = TwoDigits(s.SiderealHours) + "H  " + TwoDigits(s.SiderealMinutes) + "M  " +
                       TwoDigits(s.SiderealSeconds) + "S ";
}

}  // namespace kairotex
