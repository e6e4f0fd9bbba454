#include "places/election_place.h"

#include <cmath>

namespace kairotex {
namespace {

// Whole degrees and minutes of |value|, the minutes rounded and carried.
void DegreesAndMinutes(double value, std::optional<int>& degrees, std::optional<int>& minutes) {
  const long long total_minutes = std::llround(std::fabs(value) * 60.0);
  degrees = static_cast<int>(total_minutes / 60);
  minutes = static_cast<int>(total_minutes % 60);
}

// The entry's clock time on the 24-hour clock: 12 A.M. is midnight.
int Hour24(int hour12, bool pm) {
  return hour12 % 12 + (pm ? 12 : 0);
}

}  // namespace

void SetEntryPlace(ElectionEntry& e, double latitude, double longitude_east) {
  DegreesAndMinutes(latitude, e.lat_degrees, e.lat_minutes);
  e.south = latitude < 0;
  DegreesAndMinutes(longitude_east, e.lon_degrees, e.lon_minutes);
  e.west = longitude_east < 0;
}

double EntryLongitudeEast(const ElectionEntry& e) {
  const double degrees = e.lon_degrees.value_or(0) + e.lon_minutes.value_or(0) / 60.0;
  return e.west ? -degrees : degrees;
}

EntryZone SetEntryZone(ElectionEntry& e, const TimeZone& zone, double longitude_east,
                       Instance instance) {
  EntryZone result;
  if (!e.year || !e.month || !e.day || !e.hour || !e.minute) return result;
  if (!IsExistingDate(*e.year, *e.month, *e.day) || *e.hour < 1 || *e.hour > 12 || *e.minute < 0 ||
      *e.minute > 59) {
    return result;
  }
  const CivilTime local{*e.year, *e.month, *e.day, Hour24(*e.hour, e.pm), *e.minute, 0};
  const LocalTimeResolution r = ResolveLocalTime(zone, local, longitude_east, instance);
  result.utc_offset_seconds = r.utc_offset_seconds;
  result.abbreviation = r.abbreviation;
  result.local_mean_time = r.local_mean_time;
  switch (r.kind) {
    case LocalTimeKind::kSkipped:
      result.outcome = EntryZone::Outcome::kSkipped;
      result.message = SkippedTimeMessage(zone.name(), local, r);
      return result;
    case LocalTimeKind::kRepeated:
      result.outcome = EntryZone::Outcome::kRepeated;
      result.message = RepeatedTimeMessage(zone.name(), local, r, instance);
      break;
    case LocalTimeKind::kUnique:
      result.outcome = EntryZone::Outcome::kTaken;
      break;
  }
  e.zone = ZoneHoursWest(r.utc_offset_seconds);
  return result;
}

}  // namespace kairotex
