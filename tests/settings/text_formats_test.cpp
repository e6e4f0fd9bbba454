// The program's number, date, time and regional formats, and column padding.
#include "settings/text_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/regional_format.h"

namespace kairotex {
namespace {

TEST(TextFormats, PatternsRoundHalfAwayFromZeroOnFifteenDigits) {
  struct Case {
    double value;
    const char* pattern;
    const char* text;
  };
  // 2.675 is 2.67499999... in binary, 2.675 to 15 digits.
  const Case cases[] = {{2.675, "##0.00", "2.68"},   {9.95, "#0.0", "10.0"},
                        {-0.001, "#0.00", "-0.00"},  {0.0, "##0.00", "0.00"},
                        {73.59f, "##0.00", "73.59"}, {5, "00", "05"},
                        {123.456, "00", "123"},      {0.5, "#0", "1"},
                        {-2.5, "#0", "-3"},          {1234.5678, "###0.00", "1234.57"},
                        {0.05, "0.0", "0.1"},        {359.999, "##0.00", "360.00"}};
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
  }
}

TEST(TextFormats, PlainCompactDateAndRegionalTexts) {
  EXPECT_EQ(PlainNumberText(5), " 5");
  EXPECT_EQ(PlainNumberText(-5), "-5");
  EXPECT_EQ(PlainNumberText(0.5), " .5");
  EXPECT_EQ(PlainNumberText(0), " 0");
  EXPECT_EQ(PlainNumberText(10.25), " 10.25");
  EXPECT_EQ(CompactNumberText(5.1f, kSingleDigits), "5.1");
  EXPECT_EQ(CompactNumberText(-3.5), "-3.5");
  EXPECT_EQ(CompactNumberText(0.25), "0.25");
  EXPECT_EQ(FormatDayMonthYear(6, 12, 2026), "06 Dec 2026");
  EXPECT_EQ(FormatDayMonthYear(31, 1, 1900), "31 Jan 1900");
  const RegionalFormat us = RegionalFormatFromPatterns("%m/%d/%Y", "%r");
  const RegionalFormat de = RegionalFormatFromPatterns("%d.%m.%Y", "%T");
  EXPECT_EQ(std::vector<int>({us.iDate, us.iTime, de.iDate, de.iTime}),
            std::vector<int>({0, 0, 1, 1}));
  EXPECT_EQ(RegionalFormatFromPatterns("%Y-%m-%d", "%H:%M:%S").iDate, 2);
  EXPECT_EQ(RegionalDateText({0, 0}, 3, 7, 2026), "3/7/2026");
  EXPECT_EQ(RegionalDateText({1, 0}, 3, 7, 2026), "7/3/2026");
  EXPECT_EQ(RegionalDateText({2, 0}, 3, 7, 2026), "2026/3/7");
}

TEST(TextFormats, RightJustifiedColumns) {
  struct Case {
    std::string (*pad)(std::string_view);
    const char* text;
    const char* padded;
  };
  const Case cases[] = {
      {PadTo2, "-3", " -3"},        {PadTo2, "9.99", " 9.99"},    {PadTo2, "0", " 0"},
      {PadTo2, "10", "10"},         {PadTo2, "45.5", "45.5"},     {PadTo2, "-15", " -15"},
      {PadTo2, "-0,5", " -0,5"},    {PadTo2, "12,5", "12,5"},     {PadTo3, "-0,5", " -0,5"},
      {PadTo3, "0,5", "  0,5"},     {PadTo3, "0", "  0"},         {PadTo3, "9.9", "  9.9"},
      {PadTo3, "10", " 10"},        {PadTo3, "999", " 999"},      {PadTo3, "-0.5", " -0.5"},
      {PadTo3, "-9.9", " -9.9"},    {PadTo3, "-10", "-10"},       {PadTo3, "-150", "-150"},
      {PadTo3, "-9,9", " -9,9"},    {PadTo4, "-0,5", "  -0,5"},   {PadTo4, "0", "   0"},
      {PadTo4, "9.5", "   9.5"},    {PadTo4, "10", "  10"},       {PadTo4, "99.9", "  99.9"},
      {PadTo4, "12,75", "  12,75"}, {PadTo4, "100", " 100"},      {PadTo4, "1234", " 1234"},
      {PadTo4, "-9", "  -9"},       {PadTo4, "-0.25", "  -0.25"}, {PadTo4, "-10", " -10"},
      {PadTo4, "-99.5", " -99.5"},  {PadTo4, "-100", "-100"},     {PadTo4, "-2500", "-2500"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.pad(c.text), c.padded) << c.text;
}

// Seconds are dropped after rounding to the second; whole days do not count
// and a negative fraction is the day before.
TEST(TextFormats, MediumTime) {
  const std::pair<double, const char*> cases[] = {{0.0, "12:00 AM"},
                                                  {0.5, "12:00 PM"},
                                                  {5.5 / 24, "05:30 AM"},
                                                  {17.5 / 24, "05:30 PM"},
                                                  {(23 * 60 + 59) / 1440.0, "11:59 PM"},
                                                  {(12 * 60 + 1) / 1440.0, "12:01 PM"},
                                                  {(5 * 3600 + 29 * 60 + 59.4) / 86400, "05:29 AM"},
                                                  {(5 * 3600 + 29 * 60 + 59.6) / 86400, "05:30 AM"},
                                                  {(86400 - 0.2) / 86400, "12:00 AM"},
                                                  {1.25, "06:00 AM"},
                                                  {-0.25, "06:00 PM"}};
  for (const auto& [fraction, text] : cases)
    EXPECT_EQ(FormatMediumTime(fraction), text) << fraction;
}

}  // namespace
}  // namespace kairotex
