// OPTIONS.OPT and the numeric line form shared by the settings files.
#include "settings/options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "settings/data_file_error.h"
#include "settings/numeric_line.h"
#include "test_paths.h"

namespace kairotex {
namespace {

TEST(NumericLine, OnlyTheFirstSevenCharactersCount) {
  const std::pair<const char*, double> cases[] = {{"  12.5 orb of the sextile", 12.5},
                                                  {"orbs of everything", 0},
                                                  {"1234567890", 1234567},
                                                  {"-3     zone", -3},
                                                  {"+4.25  x", 4.25},
                                                  {"\t7.5", 7.5},
                                                  {"", 0},
                                                  {"5.5.5", 5.5},
                                                  {"-", 0},
                                                  {"66     latitude 66.00", 66}};
  for (const auto& [line, value] : cases) EXPECT_DOUBLE_EQ(ReadNumericField(line), value) << line;
}

std::string OptionsDirWith(const std::string& text) {
  const std::string dir = test::MakeTempDir("options");
  test::WriteText(dir + "/OPTIONS.OPT", text);
  return dir;
}

// The list of option lines ends at its first empty line, as always, but the
// user is told which options were never read.
TEST(OptionsFile, AnEarlyEndIsReportedWithTheFirstLineNotRead) {
  std::string whole;
  for (int i = 1; i <= 130; ++i) whole += std::to_string(i) + "\r\n";
  struct Case {
    std::string text;
    int lines_read;
    std::string warning;  // after the path
  };
  const Case cases[] = {
      {"1\r\n2\r\n3\r\n4\r\n\r\n6\r\n", 4,
       ", line 5: the option lines end there (an empty line or the end of the file); options 5 "
       "to 130 are not read and stay 0."},
      {"", 0, ", line 1: the option lines end there"},
      {"1\r2\r3\r", 1, ", line 2: its lines end in CR alone, so it reads as one line; options 2"},
      {whole.substr(0, whole.rfind("130")), 129, ", line 130: the option lines end there"},
      {whole, 130, ""},
  };
  for (const Case& c : cases) {
    const std::string dir = OptionsDirWith(c.text);
    OptionsTable options;
    options[6] = 99;
    const OptionsFileReport report = LoadOptions(dir, options);
    EXPECT_EQ(report.lines_read, c.lines_read);
    const std::string want = c.warning.empty() ? "" : dir + "/OPTIONS.OPT" + c.warning;
    EXPECT_EQ(report.warning.substr(0, want.size()), want);
    EXPECT_EQ(report.warning.empty(), want.empty()) << report.warning;
    EXPECT_EQ(options[6], c.lines_read >= 6 ? 6.0f : 99.0f);  // beyond the last line read: kept
  }
}

TEST(OptionsFile, MoreThan130LinesIsRefusedAndTheTableKept) {
  std::string text;
  for (int i = 1; i <= 131; ++i) text += std::to_string(i) + "\r\n";
  OptionsTable options;
  options[1] = 42;
  try {
    LoadOptions(OptionsDirWith(text), options);
    ADD_FAILURE() << "131 lines accepted";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.line(), 131);
  }
  EXPECT_EQ(options[1], 42.0f);
}

TEST(OptionsFile, AMissingFileOrAFolderIsNamed) {
  const std::string dir = test::MakeTempDir("no-options");
  for (const char* words : {"file not found", "is a folder, not a file"}) {
    OptionsTable options;
    try {
      LoadOptions(dir, options);
      ADD_FAILURE() << "accepted: " << words;
    } catch (const DataFileError& e) {
      EXPECT_EQ(std::string(e.what()), dir + "/OPTIONS.OPT: " + words);
    }
    std::filesystem::create_directory(dir + "/OPTIONS.OPT");
  }
}

TEST(DeliveredOptions, ReadAllOneHundredThirtyValues) {
  OptionsTable options;
  LoadOptions(test::DataDir(), options);
  EXPECT_EQ(options[27], 1.0f);                             // Placidus at start-up
  EXPECT_LE(options[22] * 1.0 + options[23] / 60.0, 66.0);  // a default place the checks accept
  // The horary orbs are half-orbs (moieties): Sun 7.5, Moon 6.
  EXPECT_EQ(options[34], 7.5f);
  EXPECT_EQ(options[35], 6.0f);
  std::ifstream in(test::DataDir() + "/OPTIONS.OPT", std::ios::binary);
  std::string line;
  int lines = 0;
  while (std::getline(in, line)) {
    ++lines;
    EXPECT_GT(line.size(), 8u) << "line " << lines << " has no label";
    EXPECT_EQ(line.back(), '\r') << "line " << lines;
  }
  EXPECT_EQ(lines, 130);
}

}  // namespace
}  // namespace kairotex
