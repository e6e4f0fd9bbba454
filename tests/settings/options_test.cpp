// OPTIONS.OPT and the numeric line form shared by the settings files.
#include "settings/options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "settings/data_file_error.h"
#include "settings/numeric_line.h"
#include "test_paths.h"

namespace kairotex {
namespace {

TEST(NumericLine, OnlyTheFirstSevenCharactersCount) {
  const std::pair<const char*, double> lines[] = {
      {"  12.5 sextile", 12.5}, {"orbs 8", 0}, {"1234567890", 1234567},
      {"-3     zone", -3},      {"", 0},       {"5.5.5", 5.5}};
  for (const auto& [line, value] : lines) EXPECT_DOUBLE_EQ(ReadNumericField(line), value) << line;
}

std::string OptionsDirWith(const std::string& text) {
  const std::string dir = test::MakeTempDir("options");
  test::WriteText(dir + "/OPTIONS.OPT", text);
  return dir;
}

// The list of option lines ends at its first empty line, as always, but the
// user is told which options were never read; those keep their values.
TEST(OptionsFile, AnEarlyEndIsReportedWithTheFirstLineNotRead) {
  std::string whole;
  for (int i = 1; i <= 130; ++i) whole += std::to_string(i) + "\r\n";
  const struct {
    std::string text;
    int lines_read;
    std::string warning;  // after the path
  } cases[] = {
      {"1\r\n2\r\n3\r\n4\r\n\r\n6\r\n", 4,
       ", line 5: the option lines end there (an empty line or the end of the file); options 5 "
       "to 130 are not read and stay 0."},
      {"", 0, ", line 1: the option lines end there"},
      {"1\r2\r3\r", 1, ", line 2: its lines end in CR alone, so it reads as one line; options 2"},
      {whole.substr(0, whole.rfind("130")), 129, ", line 130: the option lines end there"},
      {whole, 130, ""},
  };
  for (const auto& c : cases) {
    const std::string dir = OptionsDirWith(c.text);
    OptionsTable options;
    options[6] = 99;
    const OptionsFileReport report = LoadOptions(dir, options);
    EXPECT_EQ(report.lines_read, c.lines_read);
    const std::string want = c.warning.empty() ? "" : dir + "/OPTIONS.OPT" + c.warning;
    EXPECT_EQ(report.warning.substr(0, want.size()), want);
    EXPECT_EQ(report.warning.empty(), want.empty()) << report.warning;
    EXPECT_EQ(options[6], c.lines_read >= 6 ? 6.0f : 99.0f);
  }
}

// More than 130 lines is refused and the table kept; a missing file or a
// folder is named.
TEST(OptionsFile, TooLongMissingOrAFolderIsRefused) {
  std::string text;
  for (int i = 1; i <= 131; ++i) text += std::to_string(i) + "\r\n";
  const std::string dir = test::MakeTempDir("no-options");
  OptionsTable options;
  options[1] = 42;
  for (const auto& [at, words] : {std::pair{dir, dir + "/OPTIONS.OPT: file not found"},
                                  {dir, dir + "/OPTIONS.OPT: is a folder, not a file"},
                                  {OptionsDirWith(text), std::string()}}) {
    try {
      LoadOptions(at, options);
      ADD_FAILURE() << "accepted: " << words;
    } catch (const DataFileError& e) {
      EXPECT_TRUE(words.empty() ? e.line() == 131 : e.what() == words) << e.what();
    }
    std::filesystem::create_directory(dir + "/OPTIONS.OPT");
  }
  EXPECT_EQ(options[1], 42.0f);
}

// Only 1 and 2 choose a sidereal zodiac; any other value of option 123 is tropical,
// so the chart is never shifted while its page says "Sidereal", or the other way.
TEST(Zodiac, OnlyOneAndTwoAreSidereal) {
  const struct {
    float value;
    Zodiac zodiac;
  } cases[] = {{0.0f, Zodiac::kTropical},         {1.0f, Zodiac::kSiderealSvp},
               {2.0f, Zodiac::kSiderealAyanamsa}, {3.0f, Zodiac::kTropical},
               {-1.0f, Zodiac::kTropical},        {1.5f, Zodiac::kTropical}};
  for (const auto& c : cases) {
    OptionsTable options{};
    options[123] = c.value;
    EXPECT_EQ(ZodiacOf(options), c.zodiac) << c.value;
  }
}

}  // namespace
}  // namespace kairotex
