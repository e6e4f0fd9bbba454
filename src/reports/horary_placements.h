// Accidental conditions of place: Via Combusta, the fateful degree, the
// houses of joy and the siege between Mars and Saturn.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "settings/options.h"

namespace kairotex {

// Whole degree 0..29 within the sign.
int WholeDegreeInSign(double lon);

// Planets from 15 Libra up to (not including) 15 Scorpio.
std::vector<int> FindInViaCombusta(const ChartState& chart);

// Objects 1..16 that the chart has, but the nodes, at the North Node's whole
// degree of their sign.
std::vector<int> FindAtFatefulDegree(const ChartState& chart);

// Planets in their house of joy, houses counted from the computed cusps
// (with the 5 degree rule when option 46 is set); in the order of the houses.
std::vector<int> FindInHouseOfJoy(const ChartState& chart, const OptionsTable& options);

// With Mars and Saturn in one sign, the Sun, Mercury, Venus, Jupiter, the
// Moon and the Part of Fortune strictly between them.
std::vector<int> FindBesieged(const ChartState& chart);

}  // namespace kairotex
