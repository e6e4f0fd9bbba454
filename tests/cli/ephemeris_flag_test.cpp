// --ephemeris and --ephemeris-dir: the choice of the flag or of KAIROTEX.INI,
// what the outputs say of it, and the refusals and fallbacks.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli_run.h"

namespace kairotex::cli {
namespace {

std::vector<std::string> NewYorkWith(std::vector<std::string> more) {
  std::vector<std::string> args = kNewYork1990;
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

TEST(EphemerisFlag, TheFlagOrTheWindowProgramsChoiceAndWhatTheOutputSays) {
  const std::string dir = test::CopyOfDataDir("cli-ephemeris");
  struct Case {
    const char* ini;
    std::vector<std::string> flags;
    const char* ephemeris;
  };
  const Case cases[] = {
      {"", {}, "program"},
      {"", {"--ephemeris", "swiss"}, "swiss"},
      {"PrecisePositions=-1\r\n", {}, "swiss"},
      {"PrecisePositions=-1\r\n", {"--ephemeris", "program"}, "program"},
  };
  for (const Case& c : cases) {
    test::WriteText(dir + "/KAIROTEX.INI", c.ini);
    std::vector<std::string> flags = c.flags;
    flags.push_back("--json");
    const CliRun run = RunCommand("chart", NewYorkWith(flags), dir);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["ephemeris"], c.ephemeris) << c.ini;
    EXPECT_EQ(j["heading"][6],
              std::string(c.ephemeris) == "swiss" ? "Placidus - precise" : "Placidus");
  }
  const CliRun report = RunCommand("report", NewYorkWith({"basics", "--ephemeris", "swiss"}), dir);
  EXPECT_NE(report.out.find("\n  Precise positions (Swiss Ephemeris)\n"), std::string::npos);
  std::filesystem::remove_all(dir);
}

TEST(EphemerisFlag, AnUnknownNameIsRefusedAndMissingFilesFallBackAloud) {
  const CliRun bad = RunCommand("chart", NewYorkWith({"--ephemeris", "moshier"}));
  EXPECT_EQ(bad.status, kExitInputRefused);
  EXPECT_EQ(bad.err, "kairotex-cli: --ephemeris must be program or swiss, not \"moshier\"\n");
  EXPECT_TRUE(bad.out.empty());

  const std::string empty = test::MakeTempDir("cli-no-ephemeris");
  const CliRun missing = RunCommand(
      "chart", NewYorkWith({"--ephemeris", "swiss", "--ephemeris-dir", empty, "--json"}));
  ASSERT_EQ(missing.status, kExitOk);
  EXPECT_EQ(missing.err, "Precise positions are not available: The ephemeris file " + empty +
                             "/sepl_18.se1 is missing or cannot be read. Charts are cast with "
                             "the program's own theories.\n");
  EXPECT_EQ(nlohmann::json::parse(missing.out)["ephemeris"], "program");
  std::filesystem::remove_all(empty);
}

}  // namespace
}  // namespace kairotex::cli
