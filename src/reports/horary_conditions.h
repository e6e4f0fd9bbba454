// The accidental conditions that follow the dignity table, as lists of
// objects in report order, and the points they give to the planet strength.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "reports/fixed_stars.h"
#include "reports/horary_dignity_table.h"
#include "reports/horary_receptions.h"
#include "reports/horary_strength.h"
#include "reports/horary_sun_distance.h"
#include "settings/options.h"

namespace kairotex {

struct HoraryConditions {
  std::vector<int> peregrine;
  std::vector<int> detriment;
  std::vector<int> fall;
  Receptions receptions;
  std::vector<int> via_combusta;
  SunDistanceConditions sun_distance;
  std::vector<int> fateful_degree;
  std::vector<int> house_of_joy;
  std::vector<int> besieged;
  std::vector<FixedStarHit> fixed_stars;
};

HoraryConditions ComputeHoraryConditions(const ChartState& chart, const OptionsTable& options,
                                         const OwnDignityFlags& own_dignity);

// The conditions' points in report order. Mixed receptions, Via Combusta, the
// fateful degree and the houses of joy are listed but score nothing.
void AddConditionPoints(const HoraryConditions& conditions, StrengthLedger& strength);

}  // namespace kairotex
