#include "chart/election_checks.h"

#include "settings/name_tables.h"

namespace kairotex {
namespace {

bool IsLeapYear(int year) {
  if (year <= 1582) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

int DaysInMonth(int year, int month) {
  return kDaysPerMonth[month] + ((month == 2 && IsLeapYear(year)) ? 1 : 0);
}

bool InCalendarReformGap(int year, int month, int day) {
  return year == 1582 && month == 10 && day >= 5 && day <= 14;
}

bool IsExistingDate(int year, int month, int day) {
  if (year < 1 || month < 1 || month > 12 || day < 1) return false;
  if (InCalendarReformGap(year, month, day)) return false;
  return day <= DaysInMonth(year, month);
}

int ValidateElectionData(const ElectionEntry& e, bool meridian_or_morinus, MessageSink& messages) {
  int input_error = 0;
  auto fail = [&](bool failed, std::string_view text = kElectionDataErrorMessage) {
    if (!failed) return;
    input_error = 1;
    messages.ShowMessage(text, kWarningTitle, MessageIcon::kInformation);
  };
  const auto zero = [](const std::optional<int>& v) { return v && *v == 0; };
  const auto above = [](const std::optional<int>& v, int limit) { return v && *v > limit; };

  fail(zero(e.month) || zero(e.day) || zero(e.year));
  fail(!e.month || !e.day || !e.year);
  fail(!e.hour || !e.minute || !e.zone);
  fail(!e.lon_degrees || !e.lon_minutes);
  fail(!e.lat_degrees || !e.lat_minutes);
  fail(e.zone && *e.zone < -2.0 && e.west);
  if (!meridian_or_morinus) {
    const bool too_high = above(e.lat_degrees, 66) ||
                          (e.lat_degrees && *e.lat_degrees == 66 && above(e.lat_minutes, 0));
    fail(too_high, kLatitudeTooHighMessage);
  }
  fail(above(e.month, 12) || above(e.day, 31) || above(e.year, kLastChartYear));
  fail(above(e.hour, 12) || above(e.minute, 59));
  fail(e.zone && (*e.zone > 12.0 || *e.zone < -13.0));
  fail(above(e.lon_degrees, 180) || above(e.lon_minutes, 59));
  fail(above(e.lat_minutes, 59));
  // A date that does not exist (31 April, 29 February of a common year) is
  // refused rather than cast as a day of the next month; fields the typing
  // filter cannot produce (negative numbers) are refused here too.
  const bool date_in_range = e.month && e.day && e.year && *e.month >= 1 && *e.month <= 12 &&
                             *e.day >= 1 && *e.day <= 31 && *e.year >= kFirstChartYear &&
                             *e.year <= kLastChartYear;
  fail(date_in_range && !IsExistingDate(*e.year, *e.month, *e.day));
  // No place lies beyond a pole, whatever the house system.
  fail(above(e.lat_degrees, 90) ||
       (e.lat_degrees && *e.lat_degrees == 90 && above(e.lat_minutes, 0)));
  // Nor beyond the date line: 180 00 is the farthest longitude either way.
  fail(e.lon_degrees && *e.lon_degrees == 180 && above(e.lon_minutes, 0));
  const auto negative = [](const std::optional<int>& v) { return v && *v < 0; };
  fail(negative(e.month) || negative(e.day) || negative(e.year) || negative(e.hour) ||
       negative(e.minute) || negative(e.lon_degrees) || negative(e.lon_minutes) ||
       negative(e.lat_degrees) || negative(e.lat_minutes));
  return input_error;
}

std::optional<ElectionData> StoreElectionData(const ElectionEntry& e, bool meridian_or_morinus,
                                              MessageSink& messages) {
  if (ValidateElectionData(e, meridian_or_morinus, messages) != 0) return std::nullopt;
  ElectionData d;
  d.Name = e.name;
  d.Month = static_cast<int16_t>(*e.month);
  d.Day = static_cast<int16_t>(*e.day);
  d.Year = static_cast<int16_t>(*e.year);
  d.Hour = static_cast<int16_t>(*e.hour);
  d.Minute = static_cast<int16_t>(*e.minute);
  d.PmFlag = e.pm ? 1 : 0;
  d.Zone = static_cast<float>(*e.zone);
  d.LonDegrees = static_cast<int16_t>(*e.lon_degrees);
  d.LonMinutes = static_cast<int16_t>(*e.lon_minutes);
  d.LatDegrees = static_cast<int16_t>(*e.lat_degrees);
  d.LatMinutes = static_cast<int16_t>(*e.lat_minutes);
  d.WestFlag = e.west ? 1 : 0;
  d.SouthFlag = e.south ? 1 : 0;
  return d;
}

}  // namespace kairotex
