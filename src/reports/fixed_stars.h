// Conjunctions of chart objects with the fixed stars.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "settings/options.h"

namespace kairotex {

// Whether lon lies in the band of star `star` (index into kFixedStars).
bool ConjunctFixedStar(int star, double lon, const OptionsTable& options);

struct FixedStarHit {
  int object = 0;
  int star = 0;  // index into kFixedStars
};

// Every object 1..16 that the chart has but the two nodes against every
// star, objects first, stars in table order.
std::vector<FixedStarHit> FindFixedStarHits(const ChartState& chart, const OptionsTable& options);

}  // namespace kairotex
