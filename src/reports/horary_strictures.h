// The strictures and warnings against judging a horary chart.
#pragma once

#include <string_view>
#include <vector>

#include "chart/chart_state.h"

namespace kairotex {

// In report order.
enum class Stricture {
  kAscendantEarly,  // under 3 degrees of its sign
  kAscendantLate,   // 27 degrees or more
  kSaturnInFirst,
  kSaturnInSeventh,
  kSaturnRulesSeventh,  // 7th cusp in Capricorn or Aquarius
  kMoonLate,            // 27 degrees or more
  kMoonInViaCombusta,
  kAscendantInViaCombusta,
};

// The strictures that hold for the chart, in report order.
std::vector<Stricture> ComputeStrictures(const ChartState& chart);

// The report text of a stricture ("ASCENDANT is early." ...).
std::string_view StrictureText(Stricture stricture);

}  // namespace kairotex
