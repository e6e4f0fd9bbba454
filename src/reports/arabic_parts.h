// The lunar nodes and the Arabic parts of the horary basics report, as
// longitudes in the chart's zodiac, each brought into [0, 360).
#pragma once

#include "chart/chart_state.h"

namespace kairotex {

struct NodesAndParts {
  double mean_north_node = 0;
  double true_north_node = 0;
  double illness = 0;            // Ascendant + Mars - Saturn
  double death_traditional = 0;  // Ascendant + 8th cusp - Moon
  double marriage = 0;           // Ascendant + 7th cusp - Venus
  double fatality = 0;           // Ascendant + Saturn - Sun
  double point_of_death = 0;     // Mars + Saturn - 10th cusp
  double fortune_night = 0;      // Sun + Ascendant - Moon
};

// Reads the computed cusps (not the wheel's), so the parts stay the same
// whatever chart kind is shown.
NodesAndParts ComputeNodesAndParts(const ChartState& chart);

}  // namespace kairotex
