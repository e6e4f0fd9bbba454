// The checks of the moment and place that the user enters. The election data
// dialog and the command line refuse the same input with the same words.
#pragma once

#include <optional>
#include <string>

#include "chart/chart_state.h"
#include "chart/platform.h"

namespace kairotex {

// The entry fields as typed; an empty field is nullopt.
struct ElectionEntry {
  std::string name;
  std::optional<int> month, day, year;
  std::optional<int> hour, minute;  // 12-hour clock
  bool pm = false;
  std::optional<double> zone;  // hours, positive west
  std::optional<int> lon_degrees, lon_minutes;
  bool west = true;
  std::optional<int> lat_degrees, lat_minutes;
  bool south = false;
};

// Days in the month of the civil calendar: Julian leap years up to 1582,
// Gregorian after (1900 is a common year, 2000 a leap year).
int DaysInMonth(int year, int month);

// 1582 October 5 to 14: the days the calendar reform dropped, as Thursday
// October 4 (Julian) was followed by Friday October 15 (Gregorian).
bool InCalendarReformGap(int year, int month, int day);

// True when the civil date exists.
bool IsExistingDate(int year, int month, int day);

// The years the chart engine accepts.
inline constexpr int kFirstChartYear = 1;
inline constexpr int kLastChartYear = 2099;

// Runs every check group; each failing group shows its message through the
// sink. Returns the input-error flag: 1 when any group failed, else 0.
// meridian_or_morinus: the house system allows latitudes above 66 degrees.
int ValidateElectionData(const ElectionEntry& entry, bool meridian_or_morinus,
                         MessageSink& messages);

// Validates and, when every check passes, returns the record to store.
std::optional<ElectionData> StoreElectionData(const ElectionEntry& entry, bool meridian_or_morinus,
                                              MessageSink& messages);

}  // namespace kairotex
