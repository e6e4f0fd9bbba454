// The rules of the "Find elections..." dialog without the window: the search
// built from the dialog's choices, the checks before it starts, and the texts
// of the result rows, the explanation, the tolerance and the export.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "elect/calendar_export.h"
#include "elect/election_explain.h"
#include "elect/election_presets.h"
#include "elect/election_search.h"
#include "elect/election_tolerance.h"

namespace kairotex {

// A local date and clock time (24-hour) at the search's place and zone.
struct FinderLocalTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
};

struct FinderChoices {
  ElectionData place;  // place and zone; the date and time are not read
  FinderLocalTime from, to;
  int step_minutes = 1;
  int threads = 1;
  std::vector<ConditionSetting> conditions;
};

// One row of the dialog's condition table as the user left it.
struct ConditionRow {
  ConditionKind kind = ConditionKind::kMoonNotVoid;
  bool use = false, required = true;
  std::string weight, parameter;
};

// The chosen conditions first, in their order, then every other condition of
// the catalog, unused, with its default parameter and weight 1.
std::vector<ConditionRow> ConditionRowsOf(const std::vector<ConditionSetting>& chosen);

// The used rows as settings; false with the message naming the condition at
// the first bad weight (above 0, up to 1000) or parameter.
bool ConditionsOfRows(const std::vector<ConditionRow>& rows, std::vector<ConditionSetting>& out,
                      std::string& error);

// The instant of a local time in the place's zone.
int64_t UnixOfLocalTime(const ElectionData& place, const FinderLocalTime& local);
FinderLocalTime LocalTimeOf(const ElectionData& place, int64_t unix_seconds);

ElectionSearch SearchOfChoices(const FinderChoices& choices);

// Empty when the search can start, else the message that refuses it: the
// search's own checks, then a latitude over 66 degrees under a house system
// that does not allow it (the engine would refuse every chart).
std::string CheckFinderSearch(const ElectionSearch& search, bool meridian_or_morinus);

// "40n45 73w59, zone 5 hours west": the place as the dialog shows it.
std::string PlaceText(const ElectionData& place);

// "2026-12-07 10:30:00" local at the place.
std::string FinderLocalText(const ElectionData& place, int64_t unix_seconds);
// "2h05m30s".
std::string FinderLengthText(int64_t seconds);
std::string FinderScoreText(double score);

struct FinderRow {
  std::string start, end, length, best, score;
};
FinderRow RowOfWindow(const ElectionData& place, const ElectionWindow& window);

// One line per required condition: how long it keeps holding either way and
// which fails first.
std::vector<std::string> ToleranceLines(const MomentTolerance& tolerance);

// The windows as calendar entries: "Election: <title>, score N", the best
// moment and its explanation in the description.
std::vector<CalendarEntry> WindowEntries(const std::string& title,
                                         const std::vector<ElectionWindow>& windows,
                                         const std::vector<MomentExplanation>& explanations);

}  // namespace kairotex
