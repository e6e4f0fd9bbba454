#include "elect/moment.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kairotex {
namespace {

ElectionData Record(int year, int month, int day, int hour, int minute, int pm, float zone) {
  ElectionData e;
  e.Year = static_cast<int16_t>(year);
  e.Month = static_cast<int16_t>(month);
  e.Day = static_cast<int16_t>(day);
  e.Hour = static_cast<int16_t>(hour);
  e.Minute = static_cast<int16_t>(minute);
  e.PmFlag = static_cast<int16_t>(pm);
  e.Zone = zone;
  return e;
}

TEST(Moment, KnownInstantsAndRoundTrips) {
  struct Case {
    ElectionData record;
    int64_t unix_seconds;
  } cases[] = {
      {Record(1970, 1, 1, 12, 0, 0, 0), 0},                 // midnight is 12 A.M.
      {Record(2000, 1, 1, 12, 0, 1, 0), 946728000},         // J2000, noon is 12 P.M.
      {Record(2000, 1, 1, 7, 0, 0, 5), 946728000},          // 7 A.M. five hours west is noon UT
      {Record(2024, 3, 10, 11, 30, 1, -5.5f), 1710093600},  // 11:30 P.M. in India is 18:00 UT
      {Record(1900, 3, 1, 12, 0, 0, 0), -2203891200},       // 1900 is no leap year
      {Record(1582, 10, 15, 12, 0, 0, 0), -12219292800},    // the first Gregorian day
      {Record(1582, 10, 4, 12, 0, 0, 0), -12219292800 - 86400},  // the last Julian day
  };
  for (const Case& c : cases) {
    const int64_t seconds = UnixSecondsOfElection(c.record);
    EXPECT_EQ(seconds, c.unix_seconds) << c.record.Year << "-" << c.record.Month;
    const ElectionData back = ElectionAtUnixSeconds(c.record, seconds);
    const auto fields = [](const ElectionData& e) {
      return std::tie(e.Year, e.Month, e.Day, e.Hour, e.PmFlag, e.Minute);
    };
    EXPECT_EQ(fields(back), fields(c.record));
  }
}

TEST(Moment, EverySecondOfADayRoundTrips) {
  const ElectionData place = Record(1999, 12, 31, 12, 0, 0, 8);
  const int64_t start = UnixSecondsOfElection(place);
  for (int64_t s = start - 3600; s < start + 2 * 86400; s += 7) {
    const ElectionData e = ElectionAtUnixSeconds(place, s);
    ASSERT_EQ(UnixSecondsOfElection(e), s);
    ASSERT_GE(e.Hour, 1);
    ASSERT_LE(e.Hour, 12);
    ASSERT_LE(e.Second, 59);
  }
}

}  // namespace
}  // namespace kairotex
