// kairotex-cli wheel: the chartwheel written to a PNG, SVG or PDF file.
#pragma once

#include <ostream>
#include <string>

#include "chart/platform.h"
#include "cli/chart_request.h"

namespace CLI {
class App;
}

namespace kairotex::cli {

struct WheelFlags {
  std::string out;                // the file; its extension chooses PNG, SVG or PDF
  std::string style;              // american or european; empty: the chart style of KAIROTEX.INI
  std::string size = "1024x768";  // PNG and SVG: the window's drawing, in pixels
  std::string page = "full";      // PDF: full (the printed page) or half (the window)
};

// Adds the wheel command and its own flags; the caller adds the chart flags.
CLI::App* AddWheelCommand(CLI::App& app, WheelFlags& flags);

// Casts the chart of the chart flags and writes its wheel. Exit statuses as
// for the other commands; a file that cannot be written is kExitDataFile.
int RunWheel(const ChartFlags& chart_flags, const WheelFlags& flags, std::ostream& out,
             std::ostream& err, const Clock& clock);

}  // namespace kairotex::cli
