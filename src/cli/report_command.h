// kairotex-cli report and kairotex-cli aspects.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "chart/platform.h"
#include "cli/chart_request.h"

namespace kairotex::cli {

struct ReportFlags {
  std::vector<std::string> names;  // report commands, run in order
  std::string orbs;                // another orb file for this run
  std::string user_name;           // in place of the MYNAME file
  std::string save;                // write the whole data buffer here
  bool crlf = false;               // CR LF line ends instead of LF
  bool glyphs = false;             // aspects: the glyph-code text of the window
};

// Prints each shown report: lines 0 up to and including its line count.
int RunReports(const ChartFlags& chart_flags, const ReportFlags& flags, std::ostream& out,
               std::ostream& err, const Clock& clock);

// Prints the aspect list of the chart, in words or as the window's glyph text.
int RunAspects(const ChartFlags& chart_flags, const ReportFlags& flags, std::ostream& out,
               std::ostream& err, const Clock& clock);

}  // namespace kairotex::cli
