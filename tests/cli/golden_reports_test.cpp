// Whole outputs against golden files, each named by its command (aspects, or a
// report) and its chart:
//  - 1990 March 21, 6.15 P.M., zone 5, New York (73w59, 40n45), Placidus:
//    basics, almutens and antiscia, other degrees, Magi aspects, checked by
//    hand against the chart's positions and the rules' tables; the aspect
//    list, against a classification of its own from the positions and
//    NATAL.ORB; the Cosmodynes, recorded while the tests of their rules
//    passed, and appended to the Magi report under one header;
//  - 2020 December 21, 1.20 P.M., zone 0, London (0w07, 51n30), Placidus:
//    the great conjunction of Jupiter and Saturn at 0 Aquarius; basics.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "cli_run.h"

namespace kairotex::cli {
namespace {

TEST(GoldenReports, NewYork1990AndTheGreatConjunctionOf2020) {
  const std::map<std::string, std::vector<std::string>> charts = {
      {"1990-03-21_new_york.txt", kNewYork1990},
      {"2020-12-21_london.txt",
       {"--date", "2020-12-21", "--time", "1.20", "--pm", "--zone", "0", "--lon", "0w07", "--lat",
        "51n30", "--name", "Great Conjunction"}}};
  int compared = 0;
  for (const auto& file : std::filesystem::directory_iterator(test::SourceDir() + "/cli/golden")) {
    const std::string name = file.path().filename().string(), what = name.substr(0, name.find('_'));
    std::vector<std::string> args = charts.at(name.substr(what.size() + 1));
    if (what != "aspects") args.insert(args.begin(), what);
    const CliRun run = RunCommand(what == "aspects" ? what : "report", args);
    EXPECT_EQ(run.status, kExitOk) << name << ": " << run.err;
    EXPECT_EQ(run.out, test::ReadText(file.path().string())) << name;
    ++compared;
  }
  EXPECT_EQ(compared, 8);
}

}  // namespace
}  // namespace kairotex::cli
