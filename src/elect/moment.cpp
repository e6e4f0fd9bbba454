#include "elect/moment.h"

#include <cmath>

#include "chart/time_angles.h"

namespace kairotex {
namespace {

constexpr int64_t kUnixEpochJulianDay = 2440588;  // 1970 January 1
constexpr int64_t kFirstGregorianDay = 2299161;   // 1582 October 15
constexpr int64_t kSecondsPerDay = 86400;

int64_t FloorDiv(int64_t a, int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

struct CivilDate {
  int year, month, day;
};

// Julian day number to a date, Gregorian from the reform on, Julian before.
CivilDate DateOfJulianDay(int64_t jdn) {
  int64_t f = jdn + 1401;
  if (jdn >= kFirstGregorianDay) f += (((4 * jdn + 274277) / 146097) * 3) / 4 - 38;
  const int64_t e = 4 * f + 3;
  const int64_t h = 5 * ((e % 1461) / 4) + 2;
  const int day = static_cast<int>((h % 153) / 5 + 1);
  const int month = static_cast<int>((h / 153 + 2) % 12 + 1);
  const int year = static_cast<int>(e / 1461 - 4716 + (14 - month) / 12);
  return {year, month, day};
}

}  // namespace

int64_t ZoneSecondsWest(float zone_hours_west) {
  return std::llround(static_cast<double>(zone_hours_west) * 3600.0);
}

int64_t UnixSecondsOfElection(const ElectionData& e) {
  const auto jdn = static_cast<int64_t>(JulianDayNumberOfDate(e.Year, e.Month, e.Day));
  const int hour24 = e.Hour % 12 + (e.PmFlag == 1 ? 12 : 0);
  const int64_t local =
      (jdn - kUnixEpochJulianDay) * kSecondsPerDay + hour24 * 3600 + e.Minute * 60 + e.Second;
  return local + ZoneSecondsWest(e.Zone);
}

ElectionData ElectionAtUnixSeconds(const ElectionData& place_and_zone, int64_t unix_seconds) {
  ElectionData e = place_and_zone;
  const int64_t local = unix_seconds - ZoneSecondsWest(e.Zone);
  const int64_t days = FloorDiv(local, kSecondsPerDay);
  const int64_t of_day = local - days * kSecondsPerDay;
  const CivilDate date = DateOfJulianDay(days + kUnixEpochJulianDay);
  e.Year = static_cast<int16_t>(date.year);
  e.Month = static_cast<int16_t>(date.month);
  e.Day = static_cast<int16_t>(date.day);
  const int hour24 = static_cast<int>(of_day / 3600);
  e.PmFlag = hour24 >= 12 ? 1 : 0;
  e.Hour = static_cast<int16_t>(hour24 % 12 == 0 ? 12 : hour24 % 12);
  e.Minute = static_cast<int16_t>(of_day % 3600 / 60);
  e.Second = static_cast<int16_t>(of_day % 60);
  return e;
}

}  // namespace kairotex
