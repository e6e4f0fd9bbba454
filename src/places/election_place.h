// A place of the atlas and its zone turned into the election fields: the
// degrees and minutes of the place, and the zone in force there at the
// entry's own date and clock time.
#pragma once

#include <cstdint>
#include <string>

#include "chart/election_checks.h"
#include "places/time_zones.h"

namespace kairotex {

// The latitude and longitude (degrees, north and east positive) as the
// entry's degrees, minutes and directions, to the nearest minute.
void SetEntryPlace(ElectionEntry& entry, double latitude, double longitude_east);

// The longitude of the entry's fields, degrees east positive; 0 when not given.
double EntryLongitudeEast(const ElectionEntry& entry);

struct EntryZone {
  enum class Outcome {
    kTaken,       // the zone field was set
    kRepeated,    // set, from the instance asked for; `message` says so
    kSkipped,     // the time does not exist there; `message` is the refusal
    kIncomplete,  // the date or time is missing or out of range: nothing set
  };
  Outcome outcome = Outcome::kIncomplete;
  int64_t utc_offset_seconds = 0;
  std::string abbreviation;  // "CEST"
  bool local_mean_time = false;
  std::string message;
};

// Sets the entry's zone (hours, positive west) to the offset of `zone` at the
// entry's date and clock time, local mean time of `longitude_east` before
// standard time.
EntryZone SetEntryZone(ElectionEntry& entry, const TimeZone& zone, double longitude_east,
                       Instance instance);

}  // namespace kairotex
