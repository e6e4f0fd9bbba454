// The program's number, date and regional formats.
#include "settings/text_formats.h"

#include <gtest/gtest.h>

#include "settings/regional_format.h"

namespace kairotex {
namespace {

TEST(TextFormats, PatternsRoundHalfAwayFromZeroOnFifteenDigits) {
  struct Case {
    double value;
    const char* pattern;
    const char* text;
  };
  const Case cases[] = {
      {2.675, "##0.00", "2.68"},  // 2.67499999... in binary, 2.675 to 15 digits
      {9.95, "#0.0", "10.0"},
      {-0.001, "#0.00", "-0.00"},
      {0.0, "##0.00", "0.00"},
      {73.59f, "##0.00", "73.59"},
      {5, "00", "05"},
      {123.456, "00", "123"},
      {0.5, "#0", "1"},
      {-2.5, "#0", "-3"},
      {1234.5678, "###0.00", "1234.57"},
      {0.05, "0.0", "0.1"},
      {359.999, "##0.00", "360.00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
  }
}

TEST(TextFormats, PlainNumberText) {
  EXPECT_EQ(PlainNumberText(5), " 5");
  EXPECT_EQ(PlainNumberText(-5), "-5");
  EXPECT_EQ(PlainNumberText(0.5), " .5");
  EXPECT_EQ(PlainNumberText(0), " 0");
  EXPECT_EQ(PlainNumberText(10.25), " 10.25");
  EXPECT_EQ(CompactNumberText(5.1f, kSingleDigits), "5.1");
  EXPECT_EQ(CompactNumberText(-3.5), "-3.5");
  EXPECT_EQ(CompactNumberText(0.25), "0.25");
}

TEST(TextFormats, DayMonthYear) {
  EXPECT_EQ(FormatDayMonthYear(6, 12, 2026), "06 Dec 2026");
  EXPECT_EQ(FormatDayMonthYear(31, 1, 1900), "31 Jan 1900");
}

TEST(RegionalFormat, FromLocalePatterns) {
  const RegionalFormat us = RegionalFormatFromPatterns("%m/%d/%Y", "%r");
  EXPECT_EQ(us.iDate, 0);
  EXPECT_EQ(us.iTime, 0);
  const RegionalFormat de = RegionalFormatFromPatterns("%d.%m.%Y", "%T");
  EXPECT_EQ(de.iDate, 1);
  EXPECT_EQ(de.iTime, 1);
  EXPECT_EQ(RegionalFormatFromPatterns("%Y-%m-%d", "%H:%M:%S").iDate, 2);
}

TEST(RegionalFormat, DateTextInEachOrder) {
  EXPECT_EQ(RegionalDateText({0, 0}, 3, 7, 2026), "3/7/2026");
  EXPECT_EQ(RegionalDateText({1, 0}, 3, 7, 2026), "7/3/2026");
  EXPECT_EQ(RegionalDateText({2, 0}, 3, 7, 2026), "2026/3/7");
}

}  // namespace
}  // namespace kairotex
