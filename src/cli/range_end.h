// The --from and --to of the scanning commands (elect, events): a date, or a
// date and a clock time, at the place of the chart flags.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "chart/platform.h"
#include "cli/chart_cast.h"

namespace CLI {
class App;
}

namespace kairotex::cli {

// --place, --tz, --zone, --lon, --lat and --data-dir of a scan.
void AddScanPlaceFlags(CLI::App& command, ChartFlags& place);

// Seconds since 1970 of the clock's universal time.
int64_t UnixOfUniversal(const LocalDateTime& universal);

// Casts the chart of one end of the range, "YYYY-MM-DD" or
// "YYYY-MM-DDTHH:MM[:SS]" (a blank will do for the T) in the place's zone; a
// date alone is the day's first minute, or its last for the range's end. The
// chart fixes the place and zone of the scan. Returns the exit status.
int CastRangeEnd(const ChartFlags& place, const std::string& text, bool range_end,
                 const Clock& clock, std::ostream& err, ChartRun& cast, int64_t& unix_seconds);

}  // namespace kairotex::cli
