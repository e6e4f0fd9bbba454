// kairotex-cli: the engine's command-line front.
#pragma once

#include <ostream>

#include "chart/platform.h"

namespace kairotex::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInputRefused = 2;  // the program's checks refused the input
inline constexpr int kExitDataFile = 3;      // a data or settings file is missing or malformed

// Runs the command line with the given arguments; the clock gives "now".
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           const Clock& clock);

}  // namespace kairotex::cli
