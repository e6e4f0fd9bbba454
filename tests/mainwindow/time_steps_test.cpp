// The stepping rules of the Update menu, with the civil calendar's February.
#include "mainwindow/time_steps.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kairotex {
namespace {

struct Moment {
  int year, month, day, hour, minute;
  bool pm;
};

ElectionData RecordAt(const Moment& m) {
  return {.Month = int16_t(m.month),
          .Day = int16_t(m.day),
          .Year = int16_t(m.year),
          .Hour = int16_t(m.hour),
          .Minute = int16_t(m.minute),
          .PmFlag = int16_t(m.pm),
          .Name = ""};
}

auto MomentOf(const ElectionData& e) {
  return std::tuple(e.Year, e.Month, e.Day, e.Hour, e.Minute, e.PmFlag);
}

struct StepCase {
  const char* what;
  Moment from;
  TimeStep step;
  Moment to;
};

class Steps : public ::testing::TestWithParam<StepCase> {};

TEST_P(Steps, GiveTheCivilMoment) {
  const StepCase& c = GetParam();
  ElectionData e = RecordAt(c.from);
  e.Name = "Election";
  e.Zone = 5;
  ASSERT_TRUE(StepElection(e, c.step)) << c.what;
  EXPECT_EQ(MomentOf(e), MomentOf(RecordAt(c.to))) << c.what;
  EXPECT_EQ(e.Name, "Election");  // the place and name are not touched
  EXPECT_EQ(e.Zone, 5.0f);
}

constexpr bool AM = false, PM = true;

using enum TimeStep;

// clang-format off
const StepCase kSteps[] = {
    {"11 P.M. on 31 Dec 1999 + 1 h", {1999, 12, 31, 11, 0, PM}, kAddHour, {2000, 1, 1, 12, 0, AM}},
    {"11 A.M. + 1 h is noon", {2026, 6, 1, 11, 15, AM}, kAddHour, {2026, 6, 1, 12, 15, PM}},
    {"noon + 1 h", {2026, 6, 1, 12, 15, PM}, kAddHour, {2026, 6, 1, 1, 15, PM}},
    {"noon - 1 h", {2026, 6, 1, 12, 0, PM}, kSubHour, {2026, 6, 1, 11, 0, AM}},
    {"12 A.M. on 1 Jan - 1 h", {2000, 1, 1, 12, 0, AM}, kSubHour, {1999, 12, 31, 11, 0, PM}},
    {"1 Mar 2000 - 1 day", {2000, 3, 1, 9, 0, AM}, kSubDay, {2000, 2, 29, 9, 0, AM}},
    {"1 Mar 1900 - 1 day: a common year", {1900, 3, 1, 9, 0, AM}, kSubDay, {1900, 2, 28, 9, 0, AM}},
    {"1 Mar 1500 - 1 day: Julian leap year",
     {1500, 3, 1, 9, 0, AM}, kSubDay, {1500, 2, 29, 9, 0, AM}},
    {"4 Oct 1582 + 1 day: the calendar reform",
     {1582, 10, 4, 9, 0, AM}, kAddDay, {1582, 10, 15, 9, 0, AM}},
    {"15 Oct 1582 - 1 h past midnight",
     {1582, 10, 15, 12, 30, AM}, kSubHour, {1582, 10, 4, 11, 30, PM}},
    {"28 Feb 2023 + 1 day", {2023, 2, 28, 9, 0, AM}, kAddDay, {2023, 3, 1, 9, 0, AM}},
    {"28 Feb 2024 + 1 day", {2024, 2, 28, 9, 0, AM}, kAddDay, {2024, 2, 29, 9, 0, AM}},
    {"30 Apr + 1 day", {2026, 4, 30, 9, 0, AM}, kAddDay, {2026, 5, 1, 9, 0, AM}},
    {"1 Jan - 1 day", {2026, 1, 1, 9, 0, AM}, kSubDay, {2025, 12, 31, 9, 0, AM}},
    {"11:59 P.M. + 1 min", {2026, 12, 31, 11, 59, PM}, kAddMinute, {2027, 1, 1, 12, 0, AM}},
    {"12:00 A.M. - 1 min", {2027, 1, 1, 12, 0, AM}, kSubMinute, {2026, 12, 31, 11, 59, PM}},
    {"5:30 P.M. + 1 min", {2026, 12, 7, 5, 30, PM}, kAddMinute, {2026, 12, 7, 5, 31, PM}}};
// clang-format on

INSTANTIATE_TEST_SUITE_P(UpdateMenu, Steps, ::testing::ValuesIn(kSteps));

TEST(Steps, BeyondTheEnginesYearsAreNotTaken) {
  ElectionData last = RecordAt({2099, 12, 31, 11, 30, PM});
  const ElectionData before = last;
  EXPECT_FALSE(StepElection(last, TimeStep::kAddHour));
  EXPECT_EQ(MomentOf(last), MomentOf(before));
  EXPECT_TRUE(StepElection(last, TimeStep::kSubDay));

  ElectionData first = RecordAt({1, 1, 1, 12, 0, AM});
  EXPECT_FALSE(StepElection(first, TimeStep::kSubMinute));
  EXPECT_EQ(MomentOf(first), MomentOf(RecordAt({1, 1, 1, 12, 0, AM})));
}

TEST(MultipleSteps, CountIsTheRoundedOption) {
  OptionsTable options;
  options[13] = 3, options[14] = 0, options[15] = 2.6f, options[16] = -4;
  const std::tuple<MultipleStep, int, TimeStep> cases[] = {
      {MultipleStep::kAddHours, 3, TimeStep::kAddHour},
      {MultipleStep::kSubHours, 0, TimeStep::kSubHour},
      {MultipleStep::kAddMinutes, 3, TimeStep::kAddMinute},
      {MultipleStep::kSubMinutes, 0, TimeStep::kSubMinute}};
  for (const auto& [multiple, count, step] : cases) {
    EXPECT_EQ(PlanMultipleStep(multiple, options).count, count) << count;
    EXPECT_EQ(PlanMultipleStep(multiple, options).step, step) << count;
  }
}

}  // namespace
}  // namespace kairotex
