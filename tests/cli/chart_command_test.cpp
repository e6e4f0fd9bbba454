// kairotex-cli chart: flags, refusals with the program's words, exit statuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "cli/chart_request.h"
#include "cli_run.h"
#include "option_lines.h"

namespace kairotex::cli {
namespace {

TEST(ChartFlags, PlacesHouseSystemsAndTheTwentyFourHourClock) {
  const auto lon = ParsePlace("73w59", 'w', 'e');
  ASSERT_TRUE(lon);
  EXPECT_EQ(lon->degrees, 73);
  EXPECT_EQ(lon->minutes, 59);
  EXPECT_TRUE(lon->positive_direction);
  EXPECT_FALSE(ParsePlace("33S52", 'n', 's').value().positive_direction);
  for (const char* bad : {"73x59", "73w", "-73w5"}) EXPECT_FALSE(ParsePlace(bad, 'w', 'e')) << bad;
  EXPECT_EQ(ParseHouseSystem("k"), 'K');
  EXPECT_EQ(ParseHouseSystem("Morinus"), 'I');
  EXPECT_EQ(ParseHouseSystem("regiomontanus"), 'R');
  EXPECT_EQ(ParseHouseSystem("X"), 0);
  struct Case {
    const char* time;
    int hour;
    bool pm;
  };
  for (const Case c : {Case{"00:15", 12, false}, Case{"12:05", 12, true}, Case{"13:05", 1, true},
                       Case{"23:59", 11, true}, Case{"9:30", 9, false}}) {
    ChartFlags flags;
    flags.date = "2026-12-06";
    flags.time = c.time;
    ChartRequest request;
    ASSERT_FALSE(BuildChartRequest(flags, ElectionData{}, 1, request)) << c.time;
    EXPECT_EQ(*request.entry.hour, c.hour) << c.time;
    EXPECT_EQ(request.entry.pm, c.pm) << c.time;
  }
}

// Refused input exits with its status and the program's words, printing
// nothing; an empty flag value (an unset shell variable) is a slip, not
// "not given", and a token the parser cannot place is quoted short.
TEST(Commands, RefusedInputNamesTheFaultAndPrintsNothing) {
  const std::string election = "Error in election data. Please correct.";
  const std::string empty = "an empty value is not allowed";
  struct Case {
    std::vector<std::string> args;
    std::string message;
    int status = kExitInputRefused;
  };
  const Case cases[] = {
      {{"chart", "--date", "2026-04-31", "--time", "10:00"}, election},
      {{"chart", "--date", "2025-02-29", "--time", "10:00"}, election},
      {{"chart", "--date", "1582-10-10", "--time", "10:00"}, election},
      {{"chart", "--date", "2026-12-06", "--time", "10:60"}, election},
      {{"chart", "--date", "2026-12-06", "--time", "25:00"}, election},
      {{"chart", "--date", "2026-12-06", "--time", "10:00", "--zone", "-14"}, election},
      {{"chart", "--date", "2026-12-06", "--time", "10:00", "--lat", "66n01"},
       "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
       "systems."},
      {{"chart", "--date", "12/06/2026"}, "--date must be YYYY-MM-DD"},
      {{"chart", "--date", "2026-12-06", "--time", "5.30"}, "needs --am or --pm"},
      {{"chart", "--house", "Q"}, "--house must be"},
      {{"chart", "--date", ""}, empty},
      {{"chart", "--name", ""}, empty},
      {{"chart", "--data-dir", ""}, empty},
      {{"aspects", "--orbs", ""}, empty},
      {{"report", "basics", "--save", ""}, empty},
      {{"chart", std::string(100000, 'x')}, "xxxxxxxx"},
      {{"report", "horoscope"}, "unknown report"},
      {{"aspects", "--orbs", "/nonexistent/WIDE.ORB"}, "/nonexistent/WIDE.ORB", kExitDataFile},
  };
  for (const Case& c : cases) {
    const std::string command = c.args[0];
    const CliRun run = RunCommand(command, {c.args.begin() + 1, c.args.end()});
    const std::string what = c.args[0] + " " + c.args[1].substr(0, 20);
    EXPECT_EQ(run.status, c.status) << what;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << what << ": " << run.err;
    EXPECT_LT(run.err.size(), 400u) << what;
    EXPECT_TRUE(run.out.empty()) << what;
  }
}

// Options 22 (latitude degrees) at 70 and 18 (zone) at 14: the "Now" chart
// refuses both under Placidus. A missing data file is named.
TEST(ChartCommand, BadDefaultPlaceOrAMissingDataFileIsRefused) {
  const std::string dir = test::CopyOfDataDir("cli-options");
  test::SetOptionLine(dir, 22, "70");
  test::SetOptionLine(dir, 18, "14");
  const CliRun run = RunCommand("chart", {"--now"}, dir);
  EXPECT_EQ(run.status, kExitInputRefused);
  EXPECT_NE(run.err.find("Your latitude is too high."), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Error in natal input data section. Please correct."), std::string::npos);
  const std::string missing = test::CopyOfDataDir("cli-missing");
  std::filesystem::remove(missing + "/RADIUS.DAT");
  const CliRun json = RunCommand("chart", {"--json"}, missing);
  EXPECT_EQ(json.status, kExitDataFile);
  EXPECT_NE(json.err.find(missing + "/RADIUS.DAT"), std::string::npos) << json.err;
  EXPECT_TRUE(json.out.empty());
}

TEST(ChartCommand, JsonHasEveryKeySixteenObjectsAndUtf8Names) {
  const CliRun run =
      RunCommand("chart", {"--date", "2000-01-01", "--time", "12:00", "--zone", "0", "--lon",
                           "0w00", "--lat", "51n30", "--name", "Greenwich", "--json"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const auto j = nlohmann::json::parse(run.out);
  for (const char* key : {"julian_date",     "julian_day_number", "day_fraction", "centuries_t",
                          "ramc_deg",        "obliquity_deg",     "asc",          "mc",
                          "sidereal_time",   "house_system",      "cusps",        "cusps_wheel",
                          "heading",         "night_chart",       "moon_applies", "svp_offset",
                          "ayanamsa_offset", "nutation_lon",      "mean_node",    "true_node",
                          "objects"}) {
    EXPECT_TRUE(j.contains(key)) << key;
  }
  EXPECT_DOUBLE_EQ(j["julian_date"].get<double>(), 2451545.0);
  EXPECT_EQ(j["house_system"], "P");
  ASSERT_EQ(j["objects"].size(), 16u);
  EXPECT_EQ(j["objects"][0]["name"], "SUN");
  EXPECT_EQ(j["objects"][15]["number"], 16);
  EXPECT_EQ(j["heading"][0], "Greenwich - election chart");
  EXPECT_EQ(j["heading"][1], "01 Jan 2000");
  EXPECT_EQ(j["heading"][2], "12.00 P.M. (0)");
  EXPECT_EQ(j["heading"][4], "51n30");
  // The cusp of the 1st house is the Ascendant and the 10th the Midheaven (Placidus).
  ASSERT_EQ(j["cusps"].size(), 12u);
  EXPECT_NEAR(j["cusps"][0].get<double>(), j["asc"].get<double>(), 1e-9);
  EXPECT_NEAR(j["cusps"][9].get<double>(), j["mc"].get<double>(), 1e-9);
  EXPECT_NEAR(j["cusps_wheel"][3].get<double>(), j["asc"].get<double>(), 1e-9);
  for (const auto& object : j["objects"]) {
    EXPECT_GE(object["house"].get<int>(), 1);
    EXPECT_LE(object["house"].get<int>(), 12);
  }
  // A name typed in UTF-8 stays; one in Latin-1 bytes is turned into UTF-8.
  for (const auto& [name, heading] : {std::pair{"Zo\xC3\xAB", "Zo\xC3\xAB - election chart"},
                                      std::pair{"caf\xE9", "caf\xC3\xA9 - election chart"}}) {
    const CliRun named =
        RunCommand("chart", {"--date", "2000-01-01", "--time", "12:00", "--name", name, "--json"});
    ASSERT_EQ(named.status, kExitOk) << named.err;
    EXPECT_EQ(nlohmann::json::parse(named.out)["heading"][0], heading);
  }
}

TEST(ChartCommand, TextTableForTheRunningClockAndHighLatitudesWithMeridian) {
  const CliRun run = RunCommand("chart", {});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out.rfind("Now\n06 Dec 2026\n10.49 A.M. (", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("SUN"), std::string::npos);
  EXPECT_NE(run.out.find("CHIRON"), std::string::npos);
  EXPECT_NE(run.out.find("House cusps"), std::string::npos);
  const CliRun north =
      RunCommand("chart", {"--date", "2026-06-21", "--time", "12:00", "--zone", "-1", "--lon",
                           "18e57", "--lat", "69n39", "--house", "M", "--json"});
  EXPECT_EQ(north.status, kExitOk) << north.err;
}

}  // namespace
}  // namespace kairotex::cli
