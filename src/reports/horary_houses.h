// Houses as the horary reports count them: by the computed cusps in wheel
// order, with the optional rule that a planet within 5 degrees before the
// next cusp already counts in the next house.
#pragma once

#include "chart/chart_state.h"

namespace kairotex {

inline constexpr double kFiveDegreeRule = 5.0;

// Cusp of house 1..12 (13 is the 1st again) from cusps in wheel order, where
// index 1 holds the 10th cusp and index 4 the 1st.
double CuspOfHouse(const CuspTable& wheel_cusps, int house);

// The house an object at lon counts in: `house`, or the next one when the rule
// is on and the next cusp lies at most 5 degrees ahead. House 0 (unplaced)
// stays 0.
int HouseWithFiveDegreeRule(int house, double lon, const CuspTable& wheel_cusps, bool rule_on);

// The house whose span, from its cusp (inclusive) to the next cusp, holds lon;
// 0 when no span does (cusps never computed).
int HouseByCusps(const CuspTable& wheel_cusps, double lon);

}  // namespace kairotex
