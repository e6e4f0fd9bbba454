#include "mainwindow/time_steps.h"

#include <algorithm>
#include <cmath>

#include "chart/election_checks.h"

namespace kairotex {
namespace {

// The days the calendar reform dropped are stepped over: October 4, 1582 is
// followed by October 15.
constexpr int kReformGapDays = 10;

void AddDay(ElectionData& e) {
  if (InCalendarReformGap(e.Year, e.Month, e.Day + 1)) e.Day += kReformGapDays;
  if (++e.Day <= DaysInMonth(e.Year, e.Month)) return;
  e.Day = 1;
  if (++e.Month > 12) {
    e.Month = 1;
    ++e.Year;
  }
}

void SubDay(ElectionData& e) {
  if (InCalendarReformGap(e.Year, e.Month, e.Day - 1)) e.Day -= kReformGapDays;
  if (--e.Day >= 1) return;
  if (--e.Month < 1) {
    e.Month = 12;
    --e.Year;
  }
  e.Day = static_cast<int16_t>(DaysInMonth(e.Year, e.Month));
}

// 11 A.M. -> 12 P.M. (noon) -> 1 P.M. ... 11 P.M. -> 12 A.M. of the next day.
void AddHour(ElectionData& e) {
  if (++e.Hour == 13) e.Hour = 1;
  if (e.Hour != 12) return;
  if (e.PmFlag == 1) {
    e.PmFlag = 0;
    AddDay(e);
  } else {
    e.PmFlag = 1;
  }
}

void SubHour(ElectionData& e) {
  if (--e.Hour == 0) e.Hour = 12;
  if (e.Hour != 11) return;
  if (e.PmFlag == 1) {
    e.PmFlag = 0;
  } else {
    e.PmFlag = 1;
    SubDay(e);
  }
}

void AddMinute(ElectionData& e) {
  if (++e.Minute < 60) return;
  e.Minute = 0;
  AddHour(e);
}

void SubMinute(ElectionData& e) {
  if (--e.Minute >= 0) return;
  e.Minute = 59;
  SubHour(e);
}

}  // namespace

bool StepElection(ElectionData& election, TimeStep step) {
  ElectionData e = election;
  if (e.Year < kFirstChartYear || e.Year > kLastChartYear || e.Month < 1 || e.Month > 12) {
    return false;
  }
  switch (step) {
    case TimeStep::kAddDay: AddDay(e); break;
    case TimeStep::kSubDay: SubDay(e); break;
    case TimeStep::kAddHour: AddHour(e); break;
    case TimeStep::kSubHour: SubHour(e); break;
    case TimeStep::kAddMinute: AddMinute(e); break;
    case TimeStep::kSubMinute: SubMinute(e); break;
  }
  if (e.Year < kFirstChartYear || e.Year > kLastChartYear) return false;
  election = e;
  return true;
}

MultipleStepPlan PlanMultipleStep(MultipleStep which, const OptionsTable& options) {
  struct Row {
    TimeStep step;
    int option;
  };
  static constexpr Row kRows[] = {{TimeStep::kAddHour, 13},
                                  {TimeStep::kSubHour, 14},
                                  {TimeStep::kAddMinute, 15},
                                  {TimeStep::kSubMinute, 16}};
  const Row row = kRows[static_cast<int>(which)];
  // A count beyond a day's worth of minutes is a typing slip, not a request
  // to freeze the window for hours.
  constexpr double kMostSteps = 1440;
  const double n = std::nearbyint(options[row.option]);
  const int count = n < 1 ? 0 : static_cast<int>(std::min(n, kMostSteps));
  return {row.step, count};
}

}  // namespace kairotex
