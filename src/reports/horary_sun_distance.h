// The planets' conditions by their distance from the Sun: cazimi, combust,
// under the Sun's beams, or free of them.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "settings/options.h"

namespace kairotex {

struct SunDistanceConditions {
  std::vector<int> cazimi;             // in the heart of the Sun
  std::vector<int> free_of_sun_beams;  // more than 17 degrees away; scored, never listed
  std::vector<int> combust;            // within the combustion orb (option 32), same sign
  // From the combustion orb to 17 degrees; in the Sun's sign too unless option 30 is set.
  std::vector<int> under_sun_beams;
};

// For the six planets other than the Sun, in planet order.
SunDistanceConditions FindSunDistanceConditions(const ChartState& chart,
                                                const OptionsTable& options);

}  // namespace kairotex
