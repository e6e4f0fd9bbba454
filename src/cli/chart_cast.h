// The chart of the command line's flags: start-up, the request, the driver.
#pragma once

#include <ostream>

#include "chart/chart_program.h"
#include "cli/chart_request.h"
#include "cli/place_flags.h"
#include "cli/program_setup.h"

namespace kairotex::cli {

struct ChartRun {
  ChartProgram program;
  ChartRequest request;
  ElectionData election;  // the record the chart was cast from
  ChartState state;
  PlaceUsed place;  // --place and --tz, when given
};

// Loads the program's files, turns the flags into the election or the running
// clock and casts the chart. Returns kExitOk, or the exit status after the
// message (flag errors and data file errors on err, the program's own
// messages through `messages`).
int CastChartFromFlags(const ChartFlags& flags, const Clock& clock, std::ostream& err,
                       MessageSink& messages, ChartRun& run);

}  // namespace kairotex::cli
