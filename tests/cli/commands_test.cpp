// kairotex-cli chart, report and aspects: refusals with the program's words and
// exit statuses, the JSON, the data buffer across reports, the saved file, glyphs.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <utility>
#include <vector>

#include "cli_run.h"
#include "option_lines.h"

namespace kairotex::cli {
namespace {

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
      {{"chart", "--date", "1582-10-10", "--time", "10:00"}, election},
      {{"chart", "--date", "2026-12-06", "--time", "10:00", "--lon", "73x59"}, "--lon must be"},
      {{"chart", "--date", "2026-12-06", "--time", "10:00", "--lat", "66n01"},
       "Your latitude is too high."},
      {{"chart", "--date", "12/06/2026"}, "--date must be YYYY-MM-DD"},
      {{"chart", "--date", "2026-12-06", "--time", "5.30"}, "needs --am or --pm"},
      {{"chart", "--house", "Q"}, "--house must be"},
      {{"chart", "--date", ""}, empty},
      {{"aspects", "--orbs", ""}, empty},
      {{"chart", std::string(100000, 'x')}, "xxxxxxxx"},
      {{"report", "horoscope"}, "unknown report"},
      {{"aspects", "--orbs", "/nonexistent/WIDE.ORB"}, "/nonexistent/WIDE.ORB", kExitDataFile},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCommand(c.args[0], {c.args.begin() + 1, c.args.end()});
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
  std::filesystem::remove(dir + "/RADIUS.DAT");
  const CliRun json = RunCommand("chart", {"--json"}, dir);
  EXPECT_EQ(json.status, kExitDataFile);
  EXPECT_NE(json.err.find(dir + "/RADIUS.DAT"), std::string::npos) << json.err;
  EXPECT_TRUE(json.out.empty());
}

// The running clock's chart as text; the JSON with its keys, and a name typed
// in UTF-8 kept, one in Latin-1 bytes turned into UTF-8.
TEST(ChartCommand, TextOfTheRunningClockAndJsonWithUtf8Names) {
  const CliRun text = RunCommand("chart", {});
  ASSERT_EQ(text.status, kExitOk) << text.err;
  EXPECT_EQ(text.out.rfind("Now\n06 Dec 2026\n10.49 A.M. (", 0), 0u) << text.out;
  const CliRun run =
      RunCommand("chart", {"--date", "2000-01-01", "--time", "12:00", "--zone", "0", "--lon",
                           "0w00", "--lat", "51n30", "--name", "Greenwich", "--json"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const auto j = nlohmann::json::parse(run.out);
  std::istringstream keys(
      "julian_date julian_day_number day_fraction centuries_t ramc_deg obliquity_deg asc mc "
      "sidereal_time house_system cusps cusps_wheel heading night_chart moon_applies svp_offset "
      "ayanamsa_offset nutation_lon mean_node true_node objects");
  for (std::string key; keys >> key;) EXPECT_TRUE(j.contains(key)) << key;
  EXPECT_DOUBLE_EQ(j["julian_date"].get<double>(), 2451545.0);
  EXPECT_EQ(j["heading"][2], "12.00 P.M. (0)");
  EXPECT_NEAR(j["cusps"][9].get<double>(), j["mc"].get<double>(), 1e-9);
  EXPECT_NEAR(j["cusps_wheel"][3].get<double>(), j["asc"].get<double>(), 1e-9);
  // 00:15 on the 24-hour clock is 12.15 A.M.
  for (const auto& [name, heading] : {std::pair{"Zo\xC3\xAB", "Zo\xC3\xAB - election chart"},
                                      std::pair{"caf\xE9", "caf\xC3\xA9 - election chart"}}) {
    const CliRun named =
        RunCommand("chart", {"--date", "2000-01-01", "--time", "00:15", "--name", name, "--json"});
    ASSERT_EQ(named.status, kExitOk) << named.err;
    EXPECT_EQ(nlohmann::json::parse(named.out)["heading"][0], heading);
    EXPECT_EQ(nlohmann::json::parse(named.out)["heading"][2], "12.15 A.M. (5)");
  }
}

CliRun RunOnChart(const std::string& command, std::vector<std::string> args) {
  args.insert(args.begin(), kNewYork1990.begin(), kNewYork1990.end());
  return RunCommand(command, args);
}

// The same report twice, each printed as shown, with CR LF; the saved file
// ends with the closing form-feed line.
TEST(ReportCommand, RepeatedReportsShareTheBufferAndSaveIt) {
  const std::string saved = test::MakeTempDir("cli-save") + "/TEST.DOC";
  const CliRun once = RunOnChart("report", {"basics"});
  const CliRun twice = RunOnChart("report", {"basics", "basics", "--save", saved, "--crlf"});
  ASSERT_EQ(twice.status, kExitOk) << twice.err;
  std::string once_crlf;
  for (size_t at = 0, end; (end = once.out.find('\n', at)) != std::string::npos; at = end + 1)
    once_crlf += once.out.substr(at, end - at) + "\r\n";
  EXPECT_EQ(twice.out, once_crlf + once_crlf);
  const std::string text = test::ReadText(saved);
  EXPECT_EQ(text.substr(text.size() - 3), "\f\r\n");
  EXPECT_NE(text.find("  Test - election chart\r\n"), std::string::npos);
}

// Latin-1 glyph codes (objects 224..239); with an orb file of zeros only the
// nodes, exactly opposite, remain.
TEST(AspectsCommand, GlyphsWithAnotherOrbFile) {
  const std::string none = test::MakeTempDir("cli-orbs") + "/NONE.ORB";
  std::string zeros;
  for (int i = 0; i < 17; ++i) zeros += "0      none\r\n";
  test::WriteText(none, zeros);
  const CliRun glyphs = RunOnChart("aspects", {"--glyphs", "--orbs", none});
  ASSERT_EQ(glyphs.status, kExitOk) << glyphs.err;
  EXPECT_EQ(glyphs.out, "\r\n  \xEA \xA5 \xEB\r\n  \xEB \xA5 \xEA\r\n\r\n");
}

}  // namespace
}  // namespace kairotex::cli
