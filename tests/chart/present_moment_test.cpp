// The present moment: universal time from the clock, told in the option-18
// zone, and civil time carried across days, months and years.
#include <gtest/gtest.h>

#include "chart/calculate_chart.h"
#include "chart/platform.h"

namespace kairotex {
namespace {

void ExpectMoment(const LocalDateTime& got, const LocalDateTime& want, const char* what) {
  EXPECT_EQ(got.year, want.year) << what;
  EXPECT_EQ(got.month, want.month) << what;
  EXPECT_EQ(got.day, want.day) << what;
  EXPECT_EQ(got.hour, want.hour) << what;
  EXPECT_EQ(got.minute, want.minute) << what;
  EXPECT_EQ(got.second, want.second) << what;
}

TEST(CivilTime, HoursCarryThroughTheCalendar) {
  struct Case {
    const char* what;
    LocalDateTime from;
    double hours;
    LocalDateTime to;
  };
  const Case cases[] = {
      {"into the next year", {1999, 12, 31, 23, 30, 0}, 1, {2000, 1, 1, 0, 30, 0}},
      {"back over New Year", {2000, 1, 1, 2, 0, 0}, -5, {1999, 12, 31, 21, 0, 0}},
      {"leap day 2024", {2024, 2, 28, 22, 0, 0}, 3, {2024, 2, 29, 1, 0, 0}},
      {"no leap day in 1900", {1900, 2, 28, 22, 0, 0}, 3, {1900, 3, 1, 1, 0, 0}},
      {"leap day 2000", {2000, 3, 1, 1, 0, 0}, -2, {2000, 2, 29, 23, 0, 0}},
      {"half-hour zone", {2026, 12, 7, 3, 10, 20}, 5.5, {2026, 12, 7, 8, 40, 20}},
      {"three quarters", {2026, 12, 7, 0, 0, 0}, -5.75, {2026, 12, 6, 18, 15, 0}},
      {"nothing", {2026, 6, 30, 12, 0, 59}, 0, {2026, 6, 30, 12, 0, 59}},
  };
  for (const Case& c : cases) ExpectMoment(AddHours(c.from, c.hours), c.to, c.what);
}

TEST(PresentMoment, UniversalTimeLessTheZone) {
  // A computer in New York (zone 5) at 22:30 on 6 December: 03:30 UT on the 7th.
  const FixedClock new_york({2026, 12, 6, 22, 30, 0}, 5);
  ExpectMoment(new_york.UniversalNow(), {2026, 12, 7, 3, 30, 0}, "universal");
  ExpectMoment(PresentMomentInZone(new_york, 5), {2026, 12, 6, 22, 30, 0}, "its own zone");
  ExpectMoment(PresentMomentInZone(new_york, 0), {2026, 12, 7, 3, 30, 0}, "Greenwich");
  ExpectMoment(PresentMomentInZone(new_york, -5.5), {2026, 12, 7, 9, 0, 0}, "India");
}

TEST(PresentMoment, SetChartToNowUsesTheOptionZoneNotTheComputers) {
  OptionsTable options;
  options[18] = 5;
  // The same instant on a computer kept on universal time and on one in zone 5.
  const FixedClock on_utc({2026, 7, 1, 0, 20, 0}, 0);
  const FixedClock on_zone5({2026, 6, 30, 19, 20, 0}, 5);
  for (const Clock* clock : {static_cast<const Clock*>(&on_utc), static_cast<const Clock*>(&on_zone5)}) {
    ElectionData e;
    SetChartToNow(e, options, *clock);
    EXPECT_EQ(e.Month, 6);
    EXPECT_EQ(e.Day, 30);
    EXPECT_EQ(e.Hour, 7);
    EXPECT_EQ(e.Minute, 20);
    EXPECT_EQ(e.PmFlag, 1);
    EXPECT_EQ(e.Zone, 5.0f);
  }
}

}  // namespace
}  // namespace kairotex
