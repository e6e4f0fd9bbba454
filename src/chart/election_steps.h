// The election record moved by a day, an hour or a minute on the 12-hour
// clock, carried through the date: the Update menu's steps and the scans.
#pragma once

#include "chart/chart_state.h"

namespace kairotex {

enum class TimeStep { kAddDay, kSubDay, kAddHour, kSubHour, kAddMinute, kSubMinute };

// One step of the record. Months have their civil lengths (Gregorian leap
// years after 1582, Julian before). Returns false and leaves the record as it
// was when the stepped date lies outside the years the chart engine accepts.
bool StepElection(ElectionData& election, TimeStep step);

}  // namespace kairotex
