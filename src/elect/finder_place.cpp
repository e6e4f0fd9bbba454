#include "elect/finder_place.h"

#include <optional>

#include "places/election_place.h"
#include "places/time_zones.h"

namespace kairotex {

FinderPlace FinderPlaceOfTown(const ElectionData& current, const AtlasPlace& town,
                              const FinderLocalTime& from) {
  FinderPlace found{current, {}};
  ElectionEntry entry;
  SetEntryPlace(entry, town.latitude, town.longitude);
  ElectionData& p = found.place;
  p.LatDegrees = static_cast<int16_t>(*entry.lat_degrees);
  p.LatMinutes = static_cast<int16_t>(*entry.lat_minutes);
  p.SouthFlag = entry.south ? 1 : 0;
  p.LonDegrees = static_cast<int16_t>(*entry.lon_degrees);
  p.LonMinutes = static_cast<int16_t>(*entry.lon_minutes);
  p.WestFlag = entry.west ? 1 : 0;

  const std::optional<TimeZone> zone = TimeZone::Load(town.zone);
  if (!zone) {
    found.problem = town.zone + " is not in the time zone database: the zone stays as it was";
    return found;
  }
  entry.year = from.year, entry.month = from.month, entry.day = from.day;
  entry.hour = from.hour % 12 == 0 ? 12 : from.hour % 12;
  entry.pm = from.hour >= 12;
  entry.minute = from.minute;
  EntryZone taken = SetEntryZone(entry, *zone, town.longitude, Instance::kFirst);
  if (taken.outcome == EntryZone::Outcome::kSkipped) {
    // The first hour after the change exists: its zone is the one in force.
    entry.hour = (from.hour + 1) % 12 == 0 ? 12 : (from.hour + 1) % 12;
    entry.pm = (from.hour + 1) % 24 >= 12;
    taken = SetEntryZone(entry, *zone, town.longitude, Instance::kFirst);
  }
  if (entry.zone && taken.outcome != EntryZone::Outcome::kSkipped &&
      taken.outcome != EntryZone::Outcome::kIncomplete) {
    p.Zone = static_cast<float>(*entry.zone);
  } else {
    found.problem = "the zone of " + town.zone + " was not found for the start of the range";
  }
  return found;
}

}  // namespace kairotex
