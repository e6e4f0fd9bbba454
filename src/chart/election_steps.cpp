#include "chart/election_steps.h"

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
    case TimeStep::kAddDay:
      AddDay(e);
      break;
    case TimeStep::kSubDay:
      SubDay(e);
      break;
    case TimeStep::kAddHour:
      AddHour(e);
      break;
    case TimeStep::kSubHour:
      SubHour(e);
      break;
    case TimeStep::kAddMinute:
      AddMinute(e);
      break;
    case TimeStep::kSubMinute:
      SubMinute(e);
      break;
  }
  if (e.Year < kFirstChartYear || e.Year > kLastChartYear) return false;
  election = e;
  return true;
}

}  // namespace kairotex
