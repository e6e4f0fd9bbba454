// Whole reports against golden files whose every line was checked by hand
// against the chart's positions and the rules' tables:
//  - 1990 March 21, 6.15 P.M., zone 5, New York (73w59, 40n45), Placidus:
//    basics, almutens and antiscia, other degrees, Magi aspects;
//  - 2020 December 21, 1.20 P.M., zone 0, London (0w07, 51n30), Placidus:
//    the great conjunction of Jupiter and Saturn at 0 Aquarius; basics.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "cli/cli_app.h"
#include "cli_run.h"
#include "test_paths.h"

namespace kairotex::cli {
namespace {

std::string ReadGolden(const std::string& name) {
  return test::ReadText(test::SourceDir() + "/cli/golden/" + name);
}

std::string RunReport(const std::string& report, std::vector<std::string> chart) {
  std::vector<std::string> args = {"report", report};
  args.insert(args.end(), chart.begin(), chart.end());
  args.insert(args.end(), {"--data-dir", test::DataDir(), "--date-order", "mdy"});
  const CliRun run = RunCliArgs(args);
  EXPECT_EQ(run.status, kExitOk) << run.err;
  return run.out;
}

const std::vector<std::string> kNewYork1990 = {"--date", "1990-03-21", "--time", "6.15",  "--pm",
                                               "--zone", "5",          "--lon",  "73w59", "--lat",
                                               "40n45",  "--name",     "Test"};

TEST(GoldenReports, NewYork1990) {
  for (const char* report : {"basics", "almutens", "degrees", "magi"}) {
    EXPECT_EQ(RunReport(report, kNewYork1990),
              ReadGolden(std::string(report) + "_1990-03-21_new_york.txt"))
        << report;
  }
}

TEST(GoldenReports, BasicsGreatConjunction2020) {
  EXPECT_EQ(RunReport("basics", {"--date", "2020-12-21", "--time", "1.20", "--pm", "--zone", "0",
                                 "--lon", "0w07", "--lat", "51n30", "--name", "Great Conjunction"}),
            ReadGolden("basics_2020-12-21_london.txt"));
}

}  // namespace
}  // namespace kairotex::cli
