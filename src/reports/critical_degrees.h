// Critical degrees: the first and last half degree of each quadrant of the
// zodiac, and a degree either side of the sevenths of a quadrant.
#pragma once

#include <vector>

#include "chart/chart_state.h"

namespace kairotex {

// True when the longitude falls in a critical band (both band ends critical).
bool IsCriticalDegree(double lon);

// Objects 1..10 that stand in a critical degree, in object order.
std::vector<int> CriticalObjects(const ChartState& chart);

}  // namespace kairotex
