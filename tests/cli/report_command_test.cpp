// kairotex-cli report and aspects: output as the data window holds it, the
// data buffer across reports, the saved file, orb files.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "cli_run.h"

namespace kairotex::cli {
namespace {

CliRun RunOnChart(const std::string& command, std::vector<std::string> args) {
  args.insert(args.begin(), kNewYork1990.begin(), kNewYork1990.end());
  return RunCommand(command, args);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream ss(text);
  for (std::string line; std::getline(ss, line);) lines.push_back(line);
  return lines;
}

TEST(ReportCommand, BasicsAsTheDataWindowHoldsIt) {
  const CliRun run = RunOnChart("report", {"basics", "--user-name", "Tester"});
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
  for (const char* part : {"STRICTURES and WARNINGS - ", "Planets' Strengths:", "Moon's Aspects - ",
                           "In Critical Degrees:  "}) {
    EXPECT_NE(run.out.find(part), std::string::npos) << part;
  }
}

TEST(ReportCommand, RepeatedReportsShareTheBufferAndSaveIt) {
  const std::string saved = test::MakeTempDir("cli-save") + "/TEST.DOC";
  const CliRun once = RunOnChart("report", {"basics"});
  const CliRun twice = RunOnChart("report", {"basics", "basics", "--save", saved, "--crlf"});
  ASSERT_EQ(twice.status, kExitOk) << twice.err;
  // The same report twice, each printed as shown, with CR LF.
  std::string once_crlf;
  for (const auto& line : Lines(once.out)) once_crlf += line + "\r\n";
  EXPECT_EQ(twice.out, once_crlf + once_crlf);
  const std::string text = test::ReadText(saved);
  ASSERT_GT(text.size(), 3u);
  EXPECT_EQ(text.substr(text.size() - 3), "\f\r\n");  // the closing form-feed line
  EXPECT_NE(text.find("  Test - election chart\r\n"), std::string::npos);
}

TEST(ReportCommand, MagiThenCosmodynesInOneReport) {
  const CliRun run = RunOnChart("report", {"magi-cosmodynes"});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const size_t magi = run.out.find("  Magi Society Aspects for Test");
  const size_t grid = run.out.find("Power is listed in upper right section.");
  ASSERT_NE(magi, std::string::npos);
  ASSERT_NE(grid, std::string::npos);
  EXPECT_LT(magi, grid);
  // One header: the Cosmodynes are appended to the Magi report.
  EXPECT_EQ(run.out.find("  Test - election chart", magi), std::string::npos);
  const CliRun alone = RunOnChart("report", {"cosmodynes"});
  ASSERT_EQ(alone.status, kExitOk) << alone.err;
  EXPECT_NE(alone.out.find("  Planet             Power    %"), std::string::npos);
}

// Words and Latin-1 glyph codes (objects 224..239); an orb file of zeros
// leaves a shorter list.
TEST(AspectsCommand, WordsGlyphsAndAnotherOrbFile) {
  const CliRun words = RunOnChart("aspects", {});
  ASSERT_EQ(words.status, kExitOk) << words.err;
  EXPECT_NE(words.out.find("SUN"), std::string::npos);
  const CliRun glyphs = RunOnChart("aspects", {"--glyphs"});
  ASSERT_EQ(glyphs.status, kExitOk) << glyphs.err;
  EXPECT_EQ(glyphs.out.substr(0, 2), "\r\n");
  EXPECT_NE(glyphs.out.find(static_cast<char>(224)), std::string::npos);
  const std::string none = test::MakeTempDir("cli-orbs") + "/NONE.ORB";
  std::string zeros;
  for (int i = 0; i < 17; ++i) zeros += "0      none\r\n";
  test::WriteText(none, zeros);
  const CliRun fewer = RunOnChart("aspects", {"--orbs", none});
  ASSERT_EQ(fewer.status, kExitOk) << fewer.err;
  EXPECT_LT(fewer.out.size(), words.out.size());
}

}  // namespace
}  // namespace kairotex::cli
