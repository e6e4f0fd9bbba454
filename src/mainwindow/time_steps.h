// The stepping commands of the Update menu: the election moment moved by a
// day, an hour or a minute on the 12-hour clock, carried through the date.
#pragma once

#include "chart/chart_state.h"
#include "chart/election_steps.h"
#include "settings/options.h"

namespace kairotex {

// The four multiple steps: a single step repeated as often as an option says.
enum class MultipleStep { kAddHours, kSubHours, kAddMinutes, kSubMinutes };

struct MultipleStepPlan {
  TimeStep step;
  int count;  // option 13, 14, 15 or 16 rounded to a whole number; 0 below 1
};
MultipleStepPlan PlanMultipleStep(MultipleStep which, const OptionsTable& options);

}  // namespace kairotex
