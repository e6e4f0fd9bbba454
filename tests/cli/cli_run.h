// Runs kairotex-cli in the test process with a fixed clock.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "test_paths.h"

namespace kairotex::cli {

struct CliRun {
  int status;
  std::string out, err;
};

// 2026 December 6, 10:49:30 local time on a computer kept on zone 5 (New York).
inline const FixedClock kTestClock({2026, 12, 6, 10, 49, 30}, 5);

// args without the program name; `wheel` draws wheels (the Qt tests give it).
inline CliRun RunCliArgs(const std::vector<std::string>& args, WheelRunner wheel = nullptr) {
  std::vector<const char*> argv = {"kairotex-cli"};
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const int status =
      RunCli(static_cast<int>(argv.size()), argv.data(), out, err, kTestClock, wheel);
  return {status, out.str(), err.str()};
}

// 1990 March 21, 6.15 P.M., New York (zone 5): a chart of our own choosing.
inline const std::vector<std::string> kNewYork1990 = {
    "--date", "1990-03-21", "--time", "6.15",  "--pm",   "--zone", "5",
    "--lon",  "73w59",      "--lat",  "40n45", "--name", "Test"};

// command, then args, on the delivered data files (or data_dir) in m/d/y order.
inline CliRun RunCommand(const std::string& command, std::vector<std::string> args,
                         const std::string& data_dir = test::DataDir(),
                         WheelRunner wheel = nullptr) {
  args.insert(args.begin(), {command, "--data-dir", data_dir, "--date-order", "mdy"});
  return RunCliArgs(args, wheel);
}

}  // namespace kairotex::cli
