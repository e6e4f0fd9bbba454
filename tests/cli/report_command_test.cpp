// kairotex-cli report and aspects: output as the data window holds it, the
// data buffer across reports, the saved file, orb files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/cli_app.h"
#include "cli_run.h"
#include "test_paths.h"

namespace kairotex::cli {
namespace {

// 1990 March 21, 6.15 P.M., New York (zone 5): a chart of our own choosing.
const std::vector<std::string> kChart = {
    "--date", "1990-03-21", "--time",        "6.15",         "--pm",  "--zone",
    "5",      "--lon",      "73w59",         "--lat",        "40n45", "--name",
    "Test",   "--data-dir", test::DataDir(), "--date-order", "mdy"};

CliRun RunCommand(const std::string& command, std::vector<std::string> args) {
  args.insert(args.begin(), kChart.begin(), kChart.end());
  args.insert(args.begin(), command);
  return RunCliArgs(args);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream ss(text);
  for (std::string line; std::getline(ss, line);) lines.push_back(line);
  return lines;
}

TEST(ReportCommand, BasicsAsTheDataWindowHoldsIt) {
  const CliRun run = RunCommand("report", {"basics", "--user-name", "Tester"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_GT(lines.size(), 20u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "  Test - election chart");
  EXPECT_EQ(lines[2].rfind("  21 Mar 1990    TZ = 5.0      6.15 P.M.   73w59    40n45", 0), 0u)
      << lines[2];
  // The closing empty line and the spare slot.
  EXPECT_EQ(lines[lines.size() - 1], "");
  EXPECT_EQ(lines[lines.size() - 2], "");
  EXPECT_NE(run.out.find("STRICTURES and WARNINGS - "), std::string::npos);
  EXPECT_NE(run.out.find("Planets' Strengths:"), std::string::npos);
  EXPECT_NE(run.out.find("Moon's Aspects - "), std::string::npos);
  EXPECT_NE(run.out.find("In Critical Degrees:  "), std::string::npos);
}

TEST(ReportCommand, RepeatedReportsShareTheBufferAndSaveIt) {
  const std::string dir = test::MakeTempDir("cli-save");
  const std::string saved = dir + "/TEST.DOC";
  const CliRun once = RunCommand("report", {"basics"});
  const CliRun twice = RunCommand("report", {"basics", "basics", "--save", saved, "--crlf"});
  ASSERT_EQ(twice.status, kExitOk) << twice.err;
  // The same report twice, each printed as shown, with CR LF.
  std::string once_crlf;
  for (const auto& line : Lines(once.out)) once_crlf += line + "\r\n";
  EXPECT_EQ(twice.out, once_crlf + once_crlf);
  std::ifstream in(saved, std::ios::binary);
  std::stringstream file;
  file << in.rdbuf();
  const std::string text = file.str();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.substr(text.size() - 3), "\f\r\n");  // the closing form-feed line
  EXPECT_NE(text.find("  Test - election chart\r\n"), std::string::npos);
}

TEST(ReportCommand, MagiThenCosmodynesInOneReport) {
  const CliRun run = RunCommand("report", {"magi-cosmodynes"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const size_t magi = run.out.find("  Magi Society Aspects for Test");
  const size_t grid = run.out.find("Power is listed in upper right section.");
  ASSERT_NE(magi, std::string::npos);
  ASSERT_NE(grid, std::string::npos);
  EXPECT_LT(magi, grid);
  // One header: the Cosmodynes are appended to the Magi report.
  EXPECT_EQ(run.out.find("  Test - election chart", magi), std::string::npos);
  const CliRun alone = RunCommand("report", {"cosmodynes"});
  ASSERT_EQ(alone.status, kExitOk) << alone.err;
  EXPECT_NE(alone.out.find("  Planet             Power    %"), std::string::npos);
}

TEST(ReportCommand, UnknownReportIsRefused) {
  const CliRun run = RunCommand("report", {"horoscope"});
  EXPECT_EQ(run.status, kExitInputRefused);
  EXPECT_NE(run.err.find("unknown report"), std::string::npos);
  EXPECT_TRUE(run.out.empty());
}

TEST(AspectsCommand, WordsAndGlyphsListEveryAspectTwice) {
  const CliRun words = RunCommand("aspects", {});
  ASSERT_EQ(words.status, kExitOk) << words.err;
  EXPECT_NE(words.out.find("SUN"), std::string::npos);
  const CliRun glyphs = RunCommand("aspects", {"--glyphs"});
  ASSERT_EQ(glyphs.status, kExitOk) << glyphs.err;
  EXPECT_EQ(glyphs.out.substr(0, 2), "\r\n");
  // Object glyphs are Latin-1 bytes 224..239.
  EXPECT_NE(glyphs.out.find(static_cast<char>(224)), std::string::npos);
}

TEST(AspectsCommand, MissingOrbFileIsNamed) {
  const CliRun run = RunCommand("aspects", {"--orbs", "/nonexistent/WIDE.ORB"});
  EXPECT_EQ(run.status, kExitDataFile);
  EXPECT_NE(run.err.find("WIDE.ORB"), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty());
}

TEST(AspectsCommand, AnotherOrbFileChangesTheList) {
  const std::string dir = test::MakeTempDir("cli-orbs");
  std::string zeros;
  for (int i = 0; i < 17; ++i) zeros += "0      none\r\n";
  std::ofstream(dir + "/NONE.ORB", std::ios::binary) << zeros;
  const CliRun wide = RunCommand("aspects", {});
  const CliRun none = RunCommand("aspects", {"--orbs", dir + "/NONE.ORB"});
  ASSERT_EQ(none.status, kExitOk) << none.err;
  EXPECT_LT(none.out.size(), wide.out.size());
}

}  // namespace
}  // namespace kairotex::cli
