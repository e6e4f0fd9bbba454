// Aspects in the same degree to the benefics, the malefics and the nodes,
// scored on the planet strength without being listed.
#pragma once

#include <vector>

#include "chart/chart_state.h"
#include "reports/horary_strength.h"
#include "settings/options.h"

namespace kairotex {

struct AspectPoint {
  int object = 0;  // whose strength changes
  int caster = 0;  // the object whose aspect it is
  int aspect = 0;  // aspect code, 2 conjunction .. 6 opposition
  int points = 0;
};

// Points of an aspect cast by `caster`; 0 when it counts for nothing.
int AspectPointsOf(int caster, int aspect);

// Every ordered pair of objects 1..15 at the same whole degree of their signs
// that forms an aspect by the horary orbs (options 34 to 43) and scores,
// casters in object order, then receivers.
std::vector<AspectPoint> FindAspectPoints(const ChartState& chart, const OptionsTable& options);

void AddAspectPoints(const std::vector<AspectPoint>& points, StrengthLedger& strength);

}  // namespace kairotex
