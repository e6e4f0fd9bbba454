// Whole reports against golden files whose every line was checked by hand
// against the chart's positions and the rules' tables:
//  - 1990 March 21, 6.15 P.M., zone 5, New York (73w59, 40n45), Placidus:
//    basics, almutens and antiscia, other degrees, Magi aspects;
//  - 2020 December 21, 1.20 P.M., zone 0, London (0w07, 51n30), Placidus:
//    the great conjunction of Jupiter and Saturn at 0 Aquarius; basics.
#include <gtest/gtest.h>

#include <vector>

#include "cli_run.h"

namespace kairotex::cli {
namespace {

TEST(GoldenReports, NewYork1990AndTheGreatConjunctionOf2020) {
  const std::vector<std::string> london = {
      "--date", "2020-12-21", "--time", "1.20",  "--pm",   "--zone",           "0",
      "--lon",  "0w07",       "--lat",  "51n30", "--name", "Great Conjunction"};
  struct Case {
    const char* report;
    const std::vector<std::string>& chart;
    std::string golden;
  };
  const Case cases[] = {{"basics", kNewYork1990, "basics_1990-03-21_new_york.txt"},
                        {"almutens", kNewYork1990, "almutens_1990-03-21_new_york.txt"},
                        {"degrees", kNewYork1990, "degrees_1990-03-21_new_york.txt"},
                        {"magi", kNewYork1990, "magi_1990-03-21_new_york.txt"},
                        {"basics", london, "basics_2020-12-21_london.txt"}};
  for (const Case& c : cases) {
    std::vector<std::string> args = c.chart;
    args.insert(args.begin(), c.report);
    const CliRun run = RunCommand("report", args);
    EXPECT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.out, test::ReadText(test::SourceDir() + "/cli/golden/" + c.golden)) << c.golden;
  }
}

}  // namespace
}  // namespace kairotex::cli
