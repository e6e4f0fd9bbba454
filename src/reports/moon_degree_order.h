// The objects in order of their degree within the sign. The Moon's aspects by
// sign and the degree strip both walk this order; the chart's own degree-order
// tables are not used because the wheel drawing overwrites them.
#pragma once

#include <vector>

#include "chart/chart_state.h"

namespace kairotex {

// The longitude reduced by 30 until it is below 30.
double DegreeInSign(double lon);

// The objects 1..16 that the chart has, by ascending degree within the sign;
// equal degrees keep object-number order.
std::vector<int> ObjectsByDegreeInSign(const ChartState& chart);

}  // namespace kairotex
