// The program's number, date, time and regional formats, column padding, the
// user name line and the title text.
#include "settings/text_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "settings/regional_format.h"
#include "settings/user_name.h"
#include "test_paths.h"

namespace kairotex {
namespace {

// Half away from zero on fifteen digits: 2.675 is 2.67499999... in binary.
// (The day-month-year and plain texts: every report header of the golden files.)
TEST(TextFormats, PatternsCompactAndRegionalTexts) {
  const std::tuple<double, const char*, const char*> numbers[] = {
      {2.675, "##0.00", "2.68"}, {9.95, "#0.0", "10.0"}, {-0.001, "#0.00", "-0.00"},
      {123.456, "00", "123"},    {-2.5, "#0", "-3"},     {359.999, "##0.00", "360.00"}};
  for (const auto& [value, pattern, text] : numbers)
    EXPECT_EQ(FormatNumber(value, pattern), text) << value << " " << pattern;
  EXPECT_EQ(CompactNumberText(5.1f, kSingleDigits), "5.1");
  const RegionalFormat de = RegionalFormatFromPatterns("%d.%m.%Y", "%T");
  EXPECT_EQ((std::pair<int, int>(de.iDate, de.iTime)), std::pair(1, 1));
  EXPECT_EQ(RegionalDateText({2, 0}, 3, 7, 2026), "2026/3/7");
}

// Each pad has its width for positive and for negative numbers, with a point
// or a comma.
TEST(TextFormats, RightJustifiedColumns) {
  const std::tuple<std::string (*)(std::string_view), const char*, const char*> pads[] = {
      {PadTo2, "9.99", " 9.99"}, {PadTo2, "-15", " -15"}, {PadTo3, "0,5", "  0,5"},
      {PadTo3, "-9.9", " -9.9"}, {PadTo3, "-10", "-10"},  {PadTo4, "1234", " 1234"},
      {PadTo4, "-100", "-100"}};
  for (const auto& [pad, text, padded] : pads) EXPECT_EQ(pad(text), padded) << text;
}

// Seconds are dropped after rounding to the second; whole days do not count
// and a negative fraction is the day before.
TEST(TextFormats, MediumTime) {
  const std::pair<double, const char*> times[] = {{0.5, "12:00 PM"},
                                                  {(19800 - 0.6) / 86400, "05:29 AM"},
                                                  {(19800 - 0.4) / 86400, "05:30 AM"},
                                                  {(86400 - 0.2) / 86400, "12:00 AM"},
                                                  {1.25, "06:00 AM"},
                                                  {-0.25, "06:00 PM"}};
  for (const auto& [fraction, text] : times)
    EXPECT_EQ(FormatMediumTime(fraction), text) << fraction;
}

// The first line up to its CR or LF; nothing from a missing file or a folder,
// and a warning naming the folder. The title by the zodiac option.
TEST(UserName, FirstLineAndTheTitleText) {
  const std::string dir = test::MakeTempDir("myname");
  const std::pair<const char*, const char*> files[] = {{"Jane Doe\r\nsecond line\r\n", "Jane Doe"},
                                                       {"No line end", "No line end"},
                                                       {"\r\nJane", ""},
                                                       {"Jane Doe\rsecond line\r", "Jane Doe"}};
  for (const auto& [content, name] : files) {
    test::WriteText(dir + "/MYNAME", content);
    EXPECT_EQ(ReadUserName(dir + "/MYNAME"), name) << content;
  }
  std::string warning;
  EXPECT_EQ(ReadUserName(dir + "/NOSUCHFILE", &warning), "");
  EXPECT_EQ(warning, "");
  EXPECT_EQ(ReadUserName(dir, &warning), "");
  EXPECT_EQ(warning, dir + " is a folder, not a file. No user name is shown.");
  const std::pair<float, const char*> titles[] = {
      {0.0f, "Jane KAIROTEX (Tropical zodiac) - "},
      {2.0f, "Jane KAIROTEX (Sidereal zodiac - Ayanamsa) - "},
      {0.5f, "Jane KAIROTEX "}};
  for (const auto& [option123, title] : titles)
    EXPECT_EQ(BuildTitleText("Jane", option123), title) << option123;
}

}  // namespace
}  // namespace kairotex
