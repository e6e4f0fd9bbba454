// kairotex-cli: the engine's command-line front.
#pragma once

#include <ostream>

#include "chart/platform.h"

namespace kairotex::cli {

struct ChartFlags;
struct WheelFlags;

// Draws the wheel of the chart flags: the Qt part of the command line, kept
// out of the chart commands so that they start without loading Qt.
using WheelRunner = int (*)(const ChartFlags& chart_flags, const WheelFlags& flags,
                            std::ostream& out, std::ostream& err, const Clock& clock);

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInputRefused = 2;  // the program's checks refused the input
inline constexpr int kExitDataFile = 3;      // a data or settings file is missing or malformed

// Runs the command line with the given arguments; the clock gives "now".
// The wheel command runs through `wheel`; without one it says which program
// draws wheels.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           const Clock& clock, WheelRunner wheel = nullptr);

// The program that draws wheels, beside kairotex-cli.
inline constexpr const char* kWheelProgramName = "kairotex-cli-wheel";

}  // namespace kairotex::cli
