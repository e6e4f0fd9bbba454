// The running clock's caption and the tick that recasts the chart.
#include <gtest/gtest.h>

#include "mainwindow/clock_caption.h"

namespace kairotex {
namespace {

TEST(ClockCaption, TitleDateFiveBlanksAndTime) {
  EXPECT_EQ(ClockCaption("Ann KAIROTEX (Tropical zodiac) - ", {2026, 12, 7, 9, 5, 3}, "9:05:03 AM"),
            "Ann KAIROTEX (Tropical zodiac) - 07 Dec 2026     9:05:03 AM");
  EXPECT_EQ(ClockCaption(" KAIROTEX ", {987, 1, 31, 0, 0, 0}, "00:00:00"),
            " KAIROTEX 31 Jan 0987     00:00:00");
}

struct SecondsCase {
  const char* time_text;
  const char* seconds;
};

TEST(ClockCaption, SecondsAfterTheSecondSeparator) {
  const SecondsCase cases[] = {
      {"10:49:30 AM", "30"},     {"14:05:00", "00"},    {"14.05.00", "00"},
      {"14,05,07", "07"},        {"2:05:59 PM EST", "59"}, {"14:05", ""},
      {"1405", ""},              {"", ""},              {"14.05:07", ""},  // ":" wins
      {"10:49:3", "3"},
  };
  for (const SecondsCase& c : cases) {
    EXPECT_EQ(SecondsOfTimeText(c.time_text), c.seconds) << c.time_text;
  }
}

TEST(ClockCaption, OnlyTheZeroSecondTickStartsAMinute) {
  EXPECT_TRUE(IsMinuteTick("14:05:00"));
  EXPECT_TRUE(IsMinuteTick("14.05.00"));
  EXPECT_TRUE(IsMinuteTick("2:05:00 PM"));
  EXPECT_FALSE(IsMinuteTick("14:05:01"));
  EXPECT_FALSE(IsMinuteTick("14:00"));
  EXPECT_FALSE(IsMinuteTick("00:00:59"));
}

}  // namespace
}  // namespace kairotex
