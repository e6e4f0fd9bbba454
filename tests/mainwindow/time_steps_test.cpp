// The stepping rules of the Update menu, with the civil calendar's February.
#include <gtest/gtest.h>

#include "mainwindow/time_steps.h"

namespace kairotex {
namespace {

struct Moment {
  int year, month, day, hour, minute;
  bool pm;
};

ElectionData RecordAt(const Moment& m) {
  ElectionData e;
  e.Year = static_cast<int16_t>(m.year);
  e.Month = static_cast<int16_t>(m.month);
  e.Day = static_cast<int16_t>(m.day);
  e.Hour = static_cast<int16_t>(m.hour);
  e.Minute = static_cast<int16_t>(m.minute);
  e.PmFlag = m.pm ? 1 : 0;
  return e;
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
  const ElectionData want = RecordAt(c.to);
  EXPECT_EQ(e.Year, want.Year) << c.what;
  EXPECT_EQ(e.Month, want.Month) << c.what;
  EXPECT_EQ(e.Day, want.Day) << c.what;
  EXPECT_EQ(e.Hour, want.Hour) << c.what;
  EXPECT_EQ(e.Minute, want.Minute) << c.what;
  EXPECT_EQ(e.PmFlag, want.PmFlag) << c.what;
  EXPECT_EQ(e.Name, "Election");  // the place and name are not touched
  EXPECT_EQ(e.Zone, 5.0f);
}

constexpr bool AM = false, PM = true;

INSTANTIATE_TEST_SUITE_P(
    UpdateMenu, Steps,
    ::testing::Values(
        StepCase{"11 P.M. on 31 Dec 1999 + 1 h", {1999, 12, 31, 11, 0, PM}, TimeStep::kAddHour,
                 {2000, 1, 1, 12, 0, AM}},
        StepCase{"11 A.M. + 1 h is noon", {2026, 6, 1, 11, 15, AM}, TimeStep::kAddHour,
                 {2026, 6, 1, 12, 15, PM}},
        StepCase{"noon + 1 h", {2026, 6, 1, 12, 15, PM}, TimeStep::kAddHour,
                 {2026, 6, 1, 1, 15, PM}},
        StepCase{"noon - 1 h", {2026, 6, 1, 12, 0, PM}, TimeStep::kSubHour,
                 {2026, 6, 1, 11, 0, AM}},
        StepCase{"12 A.M. on 1 Jan - 1 h", {2000, 1, 1, 12, 0, AM}, TimeStep::kSubHour,
                 {1999, 12, 31, 11, 0, PM}},
        StepCase{"1 Mar 2000 - 1 day", {2000, 3, 1, 9, 0, AM}, TimeStep::kSubDay,
                 {2000, 2, 29, 9, 0, AM}},
        StepCase{"1 Mar 1900 - 1 day: a common year", {1900, 3, 1, 9, 0, AM}, TimeStep::kSubDay,
                 {1900, 2, 28, 9, 0, AM}},
        StepCase{"1 Mar 1500 - 1 day: Julian leap year", {1500, 3, 1, 9, 0, AM},
                 TimeStep::kSubDay, {1500, 2, 29, 9, 0, AM}},
        StepCase{"4 Oct 1582 + 1 day: the calendar reform", {1582, 10, 4, 9, 0, AM},
                 TimeStep::kAddDay, {1582, 10, 15, 9, 0, AM}},
        StepCase{"15 Oct 1582 - 1 h past midnight", {1582, 10, 15, 12, 30, AM},
                 TimeStep::kSubHour, {1582, 10, 4, 11, 30, PM}},
        StepCase{"28 Feb 2023 + 1 day", {2023, 2, 28, 9, 0, AM}, TimeStep::kAddDay,
                 {2023, 3, 1, 9, 0, AM}},
        StepCase{"28 Feb 2024 + 1 day", {2024, 2, 28, 9, 0, AM}, TimeStep::kAddDay,
                 {2024, 2, 29, 9, 0, AM}},
        StepCase{"30 Apr + 1 day", {2026, 4, 30, 9, 0, AM}, TimeStep::kAddDay,
                 {2026, 5, 1, 9, 0, AM}},
        StepCase{"1 Jan - 1 day", {2026, 1, 1, 9, 0, AM}, TimeStep::kSubDay,
                 {2025, 12, 31, 9, 0, AM}},
        StepCase{"11:59 P.M. + 1 min", {2026, 12, 31, 11, 59, PM}, TimeStep::kAddMinute,
                 {2027, 1, 1, 12, 0, AM}},
        StepCase{"12:00 A.M. - 1 min", {2027, 1, 1, 12, 0, AM}, TimeStep::kSubMinute,
                 {2026, 12, 31, 11, 59, PM}},
        StepCase{"5:30 P.M. + 1 min", {2026, 12, 7, 5, 30, PM}, TimeStep::kAddMinute,
                 {2026, 12, 7, 5, 31, PM}}));

TEST(Steps, BeyondTheEnginesYearsAreNotTaken) {
  ElectionData last = RecordAt({2099, 12, 31, 11, 30, PM});
  const ElectionData before = last;
  EXPECT_FALSE(StepElection(last, TimeStep::kAddHour));
  EXPECT_EQ(last.Year, before.Year);
  EXPECT_EQ(last.Hour, before.Hour);
  EXPECT_TRUE(StepElection(last, TimeStep::kSubDay));

  ElectionData first = RecordAt({1, 1, 1, 12, 0, AM});
  EXPECT_FALSE(StepElection(first, TimeStep::kSubMinute));
  EXPECT_EQ(first.Year, 1);
  EXPECT_EQ(first.Minute, 0);
}

TEST(MultipleSteps, CountIsTheRoundedOption) {
  OptionsTable options;
  options[13] = 3;
  options[14] = 0;
  options[15] = 2.6f;
  options[16] = -4;
  EXPECT_EQ(PlanMultipleStep(MultipleStep::kAddHours, options).count, 3);
  EXPECT_EQ(PlanMultipleStep(MultipleStep::kAddHours, options).step, TimeStep::kAddHour);
  EXPECT_EQ(PlanMultipleStep(MultipleStep::kSubHours, options).count, 0);
  EXPECT_EQ(PlanMultipleStep(MultipleStep::kSubHours, options).step, TimeStep::kSubHour);
  EXPECT_EQ(PlanMultipleStep(MultipleStep::kAddMinutes, options).count, 3);
  EXPECT_EQ(PlanMultipleStep(MultipleStep::kSubMinutes, options).count, 0);
  EXPECT_EQ(PlanMultipleStep(MultipleStep::kSubMinutes, options).step, TimeStep::kSubMinute);
}

}  // namespace
}  // namespace kairotex
