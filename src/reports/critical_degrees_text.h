// The critical-degrees line of the horary basics report.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_state.h"

namespace kairotex {

// "  In Critical Degrees:  " and the padded name of each critical object,
// each followed by one space.
std::string CriticalDegreesLine(const ChartState& chart, const std::vector<int>& objects);

}  // namespace kairotex
