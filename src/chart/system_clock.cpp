// The system clock, and civil time carried across days for the zones.
#include <cmath>
#include <ctime>

#include "chart/platform.h"

namespace kairotex {
namespace {

LocalDateTime FromTm(const std::tm& t) {
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's
// days-from-civil arithmetic).
long long DaysFromCivil(int year, int month, int day) {
  const long long y = month <= 2 ? year - 1 : year;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long year_of_era = y - era * 400;
  const long long day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long long day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long day_of_era = days - era * 146097;
  const long long year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long long day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long mp = (5 * day_of_year + 2) / 153;
  day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

LocalDateTime SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return FromTm(local);
}

LocalDateTime SystemClock::UniversalNow() const {
  const std::time_t now = std::time(nullptr);
  std::tm universal{};
  gmtime_r(&now, &universal);
  return FromTm(universal);
}

namespace {

// Seconds east of Greenwich that the computer's zone keeps at `when`, and
// whether that is daylight time.
long LocalOffsetAt(std::time_t when, bool& daylight) {
  std::tm local{};
  localtime_r(&when, &local);
  daylight = local.tm_isdst > 0;
  return local.tm_gmtoff;
}

}  // namespace

double SystemClock::PresentZoneHoursWest(double default_zone_west) const {
  const std::time_t now = std::time(nullptr);
  bool daylight = false;
  const long offset_now = LocalOffsetAt(now, daylight);
  // The standard offset: now, or half a year away when now is daylight time.
  long standard = offset_now;
  for (const std::time_t probe : {now + 182 * 86400L, now - 182 * 86400L}) {
    if (!daylight) break;
    bool probe_daylight = false;
    const long offset = LocalOffsetAt(probe, probe_daylight);
    if (!probe_daylight) {
      standard = offset;
      break;
    }
  }
  // The default zone is a 32-bit option: compare to within a second.
  if (std::fabs(-standard / 3600.0 - default_zone_west) > 1.0 / 3600.0) return default_zone_west;
  return -offset_now / 3600.0;
}

FixedClock::FixedClock(LocalDateTime local, double zone_hours_west)
    : local_(local), universal_(AddHours(local, zone_hours_west)) {}

LocalDateTime AddHours(const LocalDateTime& m, double hours) {
  constexpr long long kSecondsPerDay = 86400;
  const long long seconds = DaysFromCivil(m.year, m.month, m.day) * kSecondsPerDay +
                            m.hour * 3600LL + m.minute * 60LL + m.second +
                            std::llround(hours * 3600.0);
  long long days = seconds / kSecondsPerDay;
  long long of_day = seconds % kSecondsPerDay;
  if (of_day < 0) {
    of_day += kSecondsPerDay;
    --days;
  }
  LocalDateTime out;
  CivilFromDays(days, out.year, out.month, out.day);
  out.hour = static_cast<int>(of_day / 3600);
  out.minute = static_cast<int>(of_day / 60 % 60);
  out.second = static_cast<int>(of_day % 60);
  return out;
}

LocalDateTime PresentMomentInZone(const Clock& clock, double zone_hours_west) {
  return AddHours(clock.UniversalNow(), -zone_hours_west);
}

}  // namespace kairotex
