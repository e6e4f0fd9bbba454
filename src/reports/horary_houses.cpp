#include "reports/horary_houses.h"

namespace kairotex {

double CuspOfHouse(const CuspTable& wheel_cusps, int house) {
  if (house > 12) house -= 12;
  return wheel_cusps[house <= 9 ? house + 3 : house - 9];
}

int HouseWithFiveDegreeRule(int house, double lon, const CuspTable& wheel_cusps, bool rule_on) {
  if (!rule_on || house < 1 || house > 12) return house;
  double ahead = CuspOfHouse(wheel_cusps, house + 1) - lon;
  if (ahead < 0) ahead += 360.0;
  if (ahead > kFiveDegreeRule) return house;
  return house == 12 ? 1 : house + 1;
}

int HouseByCusps(const CuspTable& wheel_cusps, double lon) {
  for (int house = 1; house <= 12; ++house) {
    const double from = CuspOfHouse(wheel_cusps, house);
    const double to = CuspOfHouse(wheel_cusps, house + 1);
    const bool inside = from <= to ? (from <= lon && lon < to) : (lon >= from || lon < to);
    if (inside) return house;
  }
  return 0;
}

}  // namespace kairotex
