// Instants of a scan as whole seconds since 1970-01-01 00:00 UTC, and the
// election record of an instant in the record's own fixed zone.
#pragma once

#include <cstdint>

#include "chart/chart_state.h"

namespace kairotex {

// The instant of the record's date (Julian calendar before 15 October 1582,
// as the chart engine reads it), 12-hour clock time, Second and Zone.
int64_t UnixSecondsOfElection(const ElectionData& election);

// The record of `place_and_zone` (place, zone, name) set to the local date and
// clock time of the instant in its zone.
ElectionData ElectionAtUnixSeconds(const ElectionData& place_and_zone, int64_t unix_seconds);

// The Julian date (universal time) of an instant.
inline double JulianDateOfUnixSeconds(int64_t unix_seconds) {
  return 2440587.5 + static_cast<double>(unix_seconds) / 86400.0;
}

// The zone field (hours, positive west) as seconds to add to local time for UTC.
int64_t ZoneSecondsWest(float zone_hours_west);

}  // namespace kairotex
