// The rules of the "Find elections..." dialog: local times at the place,
// the checks before a search, the condition table read back, and the texts
// of the rows, the tolerance and the export.
#include "elect/finder_dialog_core.h"

#include <gtest/gtest.h>

#include <tuple>

#include "chart/platform.h"
#include "election_fixture.h"

namespace kairotex::test {
namespace {

ElectionData Place(int lat_degrees, int lat_minutes, bool south, float zone) {
  ElectionData place;
  place.LatDegrees = static_cast<int16_t>(lat_degrees);
  place.LatMinutes = static_cast<int16_t>(lat_minutes);
  place.SouthFlag = south ? 1 : 0;
  place.LonDegrees = 73;
  place.LonMinutes = 59;
  place.Zone = zone;
  return place;
}

TEST(FinderLocalTime, LocalTimesAtThePlaceRoundTrip) {
  struct Case {
    float zone;
    FinderLocalTime local;
    int64_t unix_seconds;
  };
  const Case cases[] = {
      {5, {2024, 3, 19, 0, 0}, kMarch19of2024 + 5 * kHour},
      {5, {2024, 3, 18, 19, 0}, kMarch19of2024},
      {-1, {2024, 3, 19, 12, 30}, kMarch19of2024 + 11 * kHour + 1800},
      {0, {2024, 3, 19, 23, 59}, kMarch19of2024 + kDay - 60},
  };
  for (const Case& c : cases) {
    const ElectionData place = Place(40, 45, false, c.zone);
    EXPECT_EQ(UnixOfLocalTime(place, c.local), c.unix_seconds) << c.zone;
    const FinderLocalTime back = LocalTimeOf(place, c.unix_seconds);
    const auto fields = [](const FinderLocalTime& t) {
      return std::tie(t.year, t.month, t.day, t.hour, t.minute);
    };
    EXPECT_EQ(fields(back), fields(c.local));
  }
}

TEST(FinderCheck, RangeConditionsAndLatitude) {
  struct Case {
    const char* name;
    int lat_degrees, lat_minutes;
    bool south, meridian, reversed, no_condition;
    bool refused;
  };
  const Case cases[] = {
      {"ordinary", 40, 45, false, false, false, false, false},
      {"66 00 placidus", 66, 0, false, false, false, false, false},
      {"66 01 placidus", 66, 1, false, false, false, false, true},
      {"67 south placidus", 67, 0, true, false, false, false, true},
      {"66 01 meridian", 66, 1, false, true, false, false, false},
      {"reversed range", 40, 45, false, false, true, false, true},
      {"no condition", 40, 45, false, false, false, true, true},
  };
  for (const Case& c : cases) {
    FinderChoices choices;
    choices.place = Place(c.lat_degrees, c.lat_minutes, c.south, 5);
    choices.from = {2024, 3, 19, 0, 0};
    choices.to = c.reversed ? FinderLocalTime{2024, 3, 18, 0, 0} : FinderLocalTime{2024, 3, 20};
    if (!c.no_condition) choices.conditions.push_back(Condition("moon-not-voc"));
    const std::string problem = CheckFinderSearch(SearchOfChoices(choices), c.meridian);
    EXPECT_EQ(!problem.empty(), c.refused) << c.name << ": " << problem;
    if (c.lat_degrees >= 66 && c.refused) {
      EXPECT_EQ(problem, kLatitudeTooHighMessage) << c.name;
    }
  }
}

TEST(FinderConditions, PresetRowsReadBackToThePreset) {
  const std::vector<ConditionSetting> chosen = {Condition("moon-not-voc=lilly"),
                                                Condition("significator-direct=venus", 3),
                                                Condition("planetary-hour=venus,jupiter", 1.5)};
  const std::vector<ConditionRow> rows = ConditionRowsOf(chosen);
  ASSERT_EQ(rows.size(), ConditionCatalog().size());
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].use, i < chosen.size()) << i;
  std::vector<ConditionSetting> back;
  std::string error;
  ASSERT_TRUE(ConditionsOfRows(rows, back, error)) << error;
  ASSERT_EQ(back.size(), chosen.size());
  for (size_t i = 0; i < chosen.size(); ++i) {
    EXPECT_EQ(ConditionWordOf(back[i]), ConditionWordOf(chosen[i]));
    EXPECT_EQ(back[i].required, chosen[i].required);
    EXPECT_DOUBLE_EQ(back[i].weight, chosen[i].weight);
  }
}

TEST(FinderConditions, BadWeightsAndParametersNameTheCondition) {
  struct Case {
    bool required;
    const char *weight, *parameter;
    bool good;
  };
  const Case cases[] =
      {
          {false, "2", "venus", true},     {false, "0", "venus", false},
          {false, "1001", "venus", false}, {false, "two", "venus", false},
          {true, "two", "venus", true},  // a required condition has no weight
          {false, "2", "vulcan", false},   {true, "", "", true},  // empty: the default planet
      };
  for (const Case& c : cases) {
    std::vector<ConditionRow> rows = ConditionRowsOf({});
    for (ConditionRow& row : rows) {
      if (row.kind != ConditionKind::kSignificatorDirect) continue;
      row = {row.kind, true, c.required, c.weight, c.parameter};
    }
    std::vector<ConditionSetting> out;
    std::string error;
    EXPECT_EQ(ConditionsOfRows(rows, out, error), c.good) << c.weight << " " << c.parameter;
    if (!c.good) {
      EXPECT_EQ(error.rfind(std::string(InfoOf(ConditionKind::kSignificatorDirect).name), 0), 0u)
          << error;
    } else {
      EXPECT_EQ(out.size(), 1u);
    }
  }
}

TEST(FinderTexts, RowsToleranceAndExport) {
  const ElectionData place = Place(40, 45, false, 5);
  const ElectionWindow window{kMarch19of2024, kMarch19of2024 + 3725, kMarch19of2024 + 600, 86.6};
  const FinderRow row = RowOfWindow(place, window);
  EXPECT_EQ(row.start, "2024-03-18 19:00:00");
  EXPECT_EQ(row.end, "2024-03-18 20:02:05");
  EXPECT_EQ(row.length, "1h02m05s");
  EXPECT_EQ(row.best, "2024-03-18 19:10:00");
  EXPECT_EQ(row.score, "87");

  MomentTolerance tolerance;
  tolerance.required = {{Condition("moon-not-voc"), true, 90, 21600, false, true},
                        {Condition("moon-not-via-combusta"), true, 3600, 65, true, false}};
  tolerance.first_to_fail_earlier = 0;
  tolerance.first_to_fail_later = 1;
  const std::vector<std::string> lines = ToleranceLines(tolerance);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NE(lines[0].find("0h01m30s earlier, over 6h00m00s later; fails first going back"),
            std::string::npos)
      << lines[0];
  EXPECT_NE(lines[1].find("over 1h00m00s earlier, 0h01m05s later; fails first going on"),
            std::string::npos)
      << lines[1];

  const std::vector<CalendarEntry> entries = WindowEntries("marriage", {window}, {});
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].summary, "Election: marriage, score 87");
  EXPECT_EQ(entries[0].start_unix, window.start_unix);
  EXPECT_EQ(entries[0].end_unix, window.end_unix);
  EXPECT_EQ(entries[0].description, "Best moment 2024-03-19T00:10:00Z");
}

}  // namespace
}  // namespace kairotex::test
