// The stepping commands of the Update menu: the election moment moved by a
// day, an hour or a minute on the 12-hour clock, carried through the date.
#pragma once

#include "chart/chart_state.h"
#include "settings/options.h"

namespace kairotex {

enum class TimeStep { kAddDay, kSubDay, kAddHour, kSubHour, kAddMinute, kSubMinute };

// One step of the record. Months have their civil lengths (Gregorian leap
// years after 1582, Julian before). Returns false and leaves the record as it
// was when the stepped date lies outside the years the chart engine accepts.
bool StepElection(ElectionData& election, TimeStep step);

// The four multiple steps: a single step repeated as often as an option says.
enum class MultipleStep { kAddHours, kSubHours, kAddMinutes, kSubMinutes };

struct MultipleStepPlan {
  TimeStep step;
  int count;  // option 13, 14, 15 or 16 rounded to a whole number; 0 below 1
};
MultipleStepPlan PlanMultipleStep(MultipleStep which, const OptionsTable& options);

}  // namespace kairotex
