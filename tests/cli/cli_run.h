// Runs kairotex-cli in the test process with a fixed clock.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace kairotex::cli {

struct CliRun {
  int status;
  std::string out, err;
};

// 2026 December 6, 10:49:30 local time on a computer kept on zone 5 (New York).
inline const FixedClock kTestClock({2026, 12, 6, 10, 49, 30}, 5);

// args without the program name.
inline CliRun RunCliArgs(const std::vector<std::string>& args) {
  std::vector<const char*> argv = {"kairotex-cli"};
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err, kTestClock);
  return {status, out.str(), err.str()};
}

}  // namespace kairotex::cli
