// Whole reports against golden files whose every line was checked by hand
// against the chart's positions:
//  - 1990 March 21, 6.15 P.M., zone 5, New York (73w59, 40n45), Placidus;
//  - 2020 December 21, 1.20 P.M., zone 0, London (0w07, 51n30), Placidus:
//    the great conjunction of Jupiter and Saturn at 0 Aquarius.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "cli/cli_app.h"
#include "test_paths.h"

namespace kairotex::cli {
namespace {

std::string ReadGolden(const std::string& name) {
  std::ifstream in(test::SourceDir() + "/cli/golden/" + name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string RunBasics(std::vector<std::string> chart) {
  std::vector<std::string> args = {"kairotex-cli", "report", "basics"};
  args.insert(args.end(), chart.begin(), chart.end());
  args.insert(args.end(), {"--data-dir", test::DataDir(), "--date-order", "mdy"});
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  const FixedClock clock({2026, 12, 6, 10, 49, 30});
  EXPECT_EQ(RunCli(static_cast<int>(argv.size()), argv.data(), out, err, clock), kExitOk)
      << err.str();
  return out.str();
}

TEST(GoldenReports, BasicsNewYork1990) {
  EXPECT_EQ(RunBasics({"--date", "1990-03-21", "--time", "6.15", "--pm", "--zone", "5", "--lon",
                       "73w59", "--lat", "40n45", "--name", "Test"}),
            ReadGolden("basics_1990-03-21_new_york.txt"));
}

TEST(GoldenReports, BasicsGreatConjunction2020) {
  EXPECT_EQ(RunBasics({"--date", "2020-12-21", "--time", "1.20", "--pm", "--zone", "0", "--lon",
                       "0w07", "--lat", "51n30", "--name", "Great Conjunction"}),
            ReadGolden("basics_2020-12-21_london.txt"));
}

}  // namespace
}  // namespace kairotex::cli
