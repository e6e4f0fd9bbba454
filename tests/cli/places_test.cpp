// --place, --tz and --second-instance of the chart commands, and the places
// command: the zone in force at the town on the chart's own date and time.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_run.h"

namespace kairotex::cli {
namespace {

CliRun RunPlacesCommand(std::vector<std::string> args) {
  args.insert(args.begin(), {"places", "--data-dir", test::DataDir()});
  return RunCliArgs(args);
}

nlohmann::json ChartJsonOf(std::vector<std::string> args) {
  args.push_back("--json");
  const CliRun run = RunCommand("chart", args);
  EXPECT_EQ(run.status, kExitOk) << run.err;
  return nlohmann::json::parse(run.out);
}

// The zone field follows the database at each date; the heading shows it.
TEST(PlaceFlags, TheZoneOfTheTownAtTheChartsDate) {
  const struct {
    std::vector<std::string> args;
    int64_t offset;
    const char* heading;  // the time line of the table
  } cases[] = {
      {{"--place", "Amsterdam", "--date", "1930-07-01", "--time", "12:00"},
       4772,
       "12.00 P.M. (-1.325556)"},
      // Ulm before standard time keeps its own meridian, 9 59 E.
      {{"--place", "Ulm, DE", "--date", "1879-03-14", "--time", "11:30"},
       2398,
       "11.30 A.M. (-0.6661111)"},
      // --tz with coordinates of one's own; --second-instance in the Paris overlap.
      {{"--tz", "Europe/Istanbul", "--lon", "28e58", "--lat", "41n01", "--date", "2017-01-01",
        "--time", "12:00"},
       3 * 3600,
       "12.00 P.M. (-3)"},
      {{"--place", "Paris, FR", "--date", "1983-09-25", "--time", "02:30", "--second-instance"},
       3600,
       "2.30 A.M. (-1)"},
  };
  for (const auto& c : cases) {
    const nlohmann::json chart = ChartJsonOf(c.args);
    EXPECT_EQ(chart["utc_offset_seconds"], c.offset) << c.args[1] << " " << c.args[3];
    const CliRun table = RunCommand("chart", c.args);
    EXPECT_NE(table.out.find(c.heading), std::string::npos) << table.out.substr(0, 120);
  }
  const nlohmann::json ulm = ChartJsonOf({"--place", "Ulm, DE", "--date", "2026-12-06"});
  EXPECT_EQ(ulm["place"], "Ulm, Baden-Württemberg, Germany");
  EXPECT_EQ(ulm["tz"], "Europe/Berlin");
}

TEST(PlaceFlags, GapsOverlapsUnknownNamesAndTheUsersOwnZone) {
  const CliRun gap =
      RunCommand("chart", {"--place", "New York", "--date", "2021-03-14", "--time", "02:30"});
  EXPECT_EQ(gap.status, kExitInputRefused);
  EXPECT_NE(gap.err.find("does not exist in America/New_York"), std::string::npos) << gap.err;
  EXPECT_NE(gap.err.find("take 1.59 A.M."), std::string::npos) << gap.err;
  const CliRun overlap =
      RunCommand("chart", {"--place", "Paris, FR", "--date", "1983-09-25", "--time", "02:30"});
  EXPECT_EQ(overlap.status, kExitOk);
  EXPECT_NE(overlap.err.find("came twice"), std::string::npos);
  EXPECT_NE(overlap.out.find("2.30 A.M. (-2)"), std::string::npos);
  // --zone always wins; coordinates given win over the town's.
  const std::vector<std::string> own_args = {"--place", "Ulm",    "--date", "2026-07-01", "--time",
                                             "12:00",   "--zone", "-1",     "--lat",      "48n00"};
  EXPECT_FALSE(ChartJsonOf(own_args).contains("utc_offset_seconds"));
  const CliRun own_table = RunCommand("chart", own_args);
  EXPECT_NE(own_table.out.find("(-1)\n9e59\n48n00"), std::string::npos) << own_table.out;
  const std::pair<std::vector<std::string>, const char*> refused[] = {
      {{"--place", "Xqzzyville"}, "no town of the atlas is called \"Xqzzyville\""},
      {{"--tz", "Mars/Olympus_Mons", "--date", "2026-01-01"}, "is not a zone of the time zone"},
      {{"--now", "--place", "Ulm"}, "--place and --tz"}};
  for (const auto& [args, message] : refused) {
    const CliRun run = RunCommand("chart", args);
    EXPECT_EQ(run.status, kExitInputRefused) << args[1];
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(PlacesCommand, ListsTownsWithTheirZoneAtTheDate) {
  const CliRun ulm = RunPlacesCommand({"Ulm, DE", "--date", "2021-07-01"});
  EXPECT_EQ(ulm.status, kExitOk);
  EXPECT_EQ(ulm.out, "Ulm, Baden-Württemberg, Germany  48n24 9e59  Europe/Berlin +02:00\n");
  const CliRun json = RunPlacesCommand({"springfield", "--json", "--limit", "3"});
  const nlohmann::json list = nlohmann::json::parse(json.out);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_GE(list[0]["population"], list[1]["population"]);
  EXPECT_EQ(list[0]["tz"].get<std::string>().substr(0, 8), "America/");
  const CliRun none = RunPlacesCommand({"Xqzzyville"});
  EXPECT_EQ(none.status, kExitOk);
  EXPECT_NE(none.err.find("no town of the atlas"), std::string::npos);
  EXPECT_EQ(RunPlacesCommand({"Ulm", "--date", "2021-02-30"}).status, kExitInputRefused);
}

}  // namespace
}  // namespace kairotex::cli
