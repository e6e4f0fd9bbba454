// kairotex-cli elect: the best moments of a range by chosen conditions or a
// preset, ranked, with the explanation and tolerance of the best; and
// elect --list-conditions.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "chart/platform.h"
#include "cli/chart_request.h"

namespace CLI {
class App;
}

namespace kairotex::cli {

struct ElectFlags {
  std::string from, to;  // YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS]
  std::string step = "1m";
  std::string preset, presets_file;
  std::vector<std::string> require, prefer;
  int top = 10;
  int threads = 2;
  bool json = false, csv = false, list_conditions = false;
  std::string ics;
  ChartFlags place;  // --place, --tz, --lon, --lat, --zone, --data-dir, --house ...
};

CLI::App* AddElectCommand(CLI::App& app, ElectFlags& flags);

int RunElect(const ElectFlags& flags, std::ostream& out, std::ostream& err, const Clock& clock);

}  // namespace kairotex::cli
