// --place and --tz: the atlas's town fills the latitude and longitude, and
// the zone database the zone in force at the entry's date and time.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "chart/election_checks.h"
#include "cli/chart_request.h"

namespace kairotex::cli {

// What the chart was cast with, for its JSON.
struct PlaceUsed {
  std::string place;                          // the atlas's label, when --place was given
  std::string tz;                             // the zone's name
  std::optional<int64_t> utc_offset_seconds;  // when the zone came from the database
};

// --lat, --lon and --zone given as well win over what --place and --tz find.
// Returns kExitOk, or the exit status after the message on err (an unknown
// place or zone, a clock time the spring change skipped). A time that came
// twice takes the first instance, or the second with --second-instance,
// and says so on err.
int ApplyPlaceFlags(const ChartFlags& flags, const std::string& program_dir, ElectionEntry& entry,
                    std::ostream& err, PlaceUsed& used);

}  // namespace kairotex::cli
