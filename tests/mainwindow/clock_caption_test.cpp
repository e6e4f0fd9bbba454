// The running clock's caption and the tick that recasts the chart.
#include "mainwindow/clock_caption.h"

#include <gtest/gtest.h>

namespace kairotex {
namespace {

TEST(ClockCaption, TitleDateFiveBlanksAndTime) {
  EXPECT_EQ(ClockCaption("Ann KAIROTEX (Tropical zodiac) - ", {2026, 12, 7, 9, 5, 3}, "9:05:03 AM"),
            "Ann KAIROTEX (Tropical zodiac) - 07 Dec 2026     9:05:03 AM");
  EXPECT_EQ(ClockCaption(" KAIROTEX ", {987, 1, 31, 0, 0, 0}, "00:00:00"),
            " KAIROTEX 31 Jan 0987     00:00:00");
}

TEST(ClockCaption, SecondsAfterTheSecondSeparatorAndOnlyTheZeroSecondTickStartsAMinute) {
  const std::pair<const char*, const char*> seconds[] = {
      {"10:49:30 AM", "30"},    {"14:05:00", "00"}, {"14.05.00", "00"}, {"14,05,07", "07"},
      {"2:05:59 PM EST", "59"}, {"14:05", ""},      {"1405", ""},       {"", ""},
      {"14.05:07", ""},         {"10:49:3", "3"}};  // in "14.05:07" the ":" wins
  for (const auto& [text, want] : seconds) EXPECT_EQ(SecondsOfTimeText(text), want) << text;
  for (const char* tick : {"14:05:00", "14.05.00", "2:05:00 PM"}) EXPECT_TRUE(IsMinuteTick(tick));
  for (const char* tick : {"14:05:01", "14:00", "00:00:59"}) EXPECT_FALSE(IsMinuteTick(tick));
}

}  // namespace
}  // namespace kairotex
