// Porphyry cusps: each ecliptic quadrant between the angles divided in three.
#include "chart/angles.h"
#include "chart/house_systems.h"

namespace kairotex {

HouseCusps PorphyryHouses(const HouseFrame& frame) {
  HouseCusps c{};
  double q1 = frame.asc - frame.mc;
  if (q1 < 0) q1 += 360.0;
  const double ic = Normalize360(frame.mc + 180.0);
  c[4] = ic;
  c[5] = ic + q1 / 3.0;
  c[6] = ic + 2.0 * q1 / 3.0;
  double q2 = ic - frame.asc;
  if (q2 < 0) q2 += 360.0;
  c[1] = frame.asc;
  c[2] = frame.asc + q2 / 3.0;
  c[3] = frame.asc + 2.0 * q2 / 3.0;
  for (int k = 7; k <= 12; ++k) c[k] = c[k - 6] + 180.0;
  for (int k = 1; k <= 12; ++k) c[k] = Normalize360(c[k]);
  return c;
}

}  // namespace kairotex
