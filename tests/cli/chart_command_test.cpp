// kairotex-cli chart: flags, refusals with the program's words, exit statuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "cli/chart_request.h"
#include "cli/cli_app.h"
#include "cli_run.h"
#include "test_paths.h"

namespace kairotex::cli {
namespace {

CliRun RunChart(std::vector<std::string> args, const std::string& data_dir = test::DataDir()) {
  args.insert(args.begin(), {"chart", "--data-dir", data_dir, "--date-order", "mdy"});
  return RunCliArgs(args);
}

TEST(ChartFlags, PlacesAndHouseSystems) {
  const auto lon = ParsePlace("73w59", 'w', 'e');
  ASSERT_TRUE(lon);
  EXPECT_EQ(lon->degrees, 73);
  EXPECT_EQ(lon->minutes, 59);
  EXPECT_TRUE(lon->positive_direction);
  const auto lat = ParsePlace("33S52", 'n', 's');
  ASSERT_TRUE(lat);
  EXPECT_FALSE(lat->positive_direction);
  EXPECT_FALSE(ParsePlace("73x59", 'w', 'e'));
  EXPECT_FALSE(ParsePlace("73w", 'w', 'e'));
  EXPECT_FALSE(ParsePlace("-73w5", 'w', 'e'));
  EXPECT_EQ(ParseHouseSystem("k"), 'K');
  EXPECT_EQ(ParseHouseSystem("Morinus"), 'I');
  EXPECT_EQ(ParseHouseSystem("regiomontanus"), 'R');
  EXPECT_EQ(ParseHouseSystem("X"), 0);
}

TEST(ChartFlags, TwentyFourHourTimeBecomesTheTwelveHourEntry) {
  struct Case {
    const char* time;
    int hour;
    bool pm;
  };
  const Case cases[] = {{"00:15", 12, false},
                        {"12:05", 12, true},
                        {"13:05", 1, true},
                        {"23:59", 11, true},
                        {"9:30", 9, false}};
  for (const Case& c : cases) {
    ChartFlags flags;
    flags.date = "2026-12-06";
    flags.time = c.time;
    ChartRequest request;
    ASSERT_FALSE(BuildChartRequest(flags, ElectionData{}, 1, request)) << c.time;
    EXPECT_EQ(*request.entry.hour, c.hour) << c.time;
    EXPECT_EQ(request.entry.pm, c.pm) << c.time;
  }
}

TEST(ChartCommand, RefusedInputExitsWithStatusTwoAndTheProgramsMessage) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  const Case cases[] = {
      {{"--date", "2026-04-31", "--time", "10:00"}, "Error in election data. Please correct."},
      {{"--date", "2025-02-29", "--time", "10:00"}, "Error in election data. Please correct."},
      {{"--date", "2026-12-06", "--time", "10:60"}, "Error in election data. Please correct."},
      {{"--date", "2026-12-06", "--time", "10:00", "--zone", "-14"},
       "Error in election data. Please correct."},
      {{"--date", "2026-12-06", "--time", "10:00", "--lat", "66n01"},
       "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
       "systems."},
      {{"--date", "2026-12-06", "--time", "25:00"}, "Error in election data. Please correct."},
      {{"--date", "12/06/2026"}, "--date must be YYYY-MM-DD"},
      {{"--date", "2026-12-06", "--time", "5.30"}, "needs --am or --pm"},
      {{"--house", "Q"}, "--house must be"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunChart(c.args);
    EXPECT_EQ(run.status, kExitInputRefused) << c.args[1];
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args[1] << ": " << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

TEST(ChartCommand, HighLatitudePassesWithMeridianHouses) {
  const CliRun run = RunChart({"--date", "2026-06-21", "--time", "12:00", "--zone", "-1", "--lon",
                               "18e57", "--lat", "69n39", "--house", "M", "--json"});
  EXPECT_EQ(run.status, kExitOk) << run.err;
}

TEST(ChartCommand, RunningClockChecksTheDefaultPlace) {
  const std::string dir = test::MakeTempDir("cli-options");
  std::filesystem::copy(test::DataDir(), dir, std::filesystem::copy_options::recursive);
  // Option 22 (latitude degrees) at 70: the "Now" chart refuses it under Placidus.
  std::ifstream in(dir + "/OPTIONS.OPT", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  in.close();
  lines[21] = "70     latitude degrees\r";
  lines[17] = "14     zone\r";
  std::ofstream out(dir + "/OPTIONS.OPT", std::ios::binary);
  for (const auto& line : lines) out << line << "\n";
  out.close();
  const CliRun run = RunChart({"--now"}, dir);
  EXPECT_EQ(run.status, kExitInputRefused);
  EXPECT_NE(run.err.find("Your latitude is too high."), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Error in natal input data section. Please correct."), std::string::npos);
}

TEST(ChartCommand, MissingDataFileIsNamedAndNothingIsPrinted) {
  const std::string dir = test::MakeTempDir("cli-missing");
  std::filesystem::copy(test::DataDir(), dir, std::filesystem::copy_options::recursive);
  std::filesystem::remove(dir + "/RADIUS.DAT");
  const CliRun run = RunChart({"--json"}, dir);
  EXPECT_EQ(run.status, kExitDataFile);
  EXPECT_NE(run.err.find("RADIUS.DAT"), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty());
}

TEST(ChartCommand, JsonHasEveryKeyAndSixteenObjects) {
  const CliRun run = RunChart({"--date", "2000-01-01", "--time", "12:00", "--zone", "0", "--lon",
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
  EXPECT_EQ(j["cusps"].size(), 12u);
  // The cusp of the 1st house is the Ascendant and the 10th the Midheaven (Placidus).
  EXPECT_NEAR(j["cusps"][0].get<double>(), j["asc"].get<double>(), 1e-9);
  EXPECT_NEAR(j["cusps"][9].get<double>(), j["mc"].get<double>(), 1e-9);
  EXPECT_NEAR(j["cusps_wheel"][3].get<double>(), j["asc"].get<double>(), 1e-9);
  for (const auto& object : j["objects"]) {
    EXPECT_GE(object["house"].get<int>(), 1);
    EXPECT_LE(object["house"].get<int>(), 12);
  }
}

TEST(ChartCommand, TextTableForTheRunningClock) {
  const CliRun run = RunChart({});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out.rfind("Now\n06 Dec 2026\n10.49 A.M. (", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("SUN"), std::string::npos);
  EXPECT_NE(run.out.find("CHIRON"), std::string::npos);
  EXPECT_NE(run.out.find("House cusps"), std::string::npos);
}

}  // namespace
}  // namespace kairotex::cli
