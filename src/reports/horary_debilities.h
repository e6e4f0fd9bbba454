// Essential debilities of the seven planets: peregrine, detriment and fall.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "reports/horary_dignity_table.h"

namespace kairotex {

// Planets that rule their own position in none of the five dignity columns.
std::vector<int> FindPeregrine(const OwnDignityFlags& own_dignity);

// Planets in the sign opposite their domicile (Sun in Aquarius, Moon in
// Capricorn, Mercury in Sagittarius or Pisces ...).
std::vector<int> FindInDetriment(const ChartState& chart);

// Planets in the sign opposite their exaltation.
std::vector<int> FindInFall(const ChartState& chart);

}  // namespace kairotex
