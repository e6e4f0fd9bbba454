// What the election tests share: the delivered tables, a place, and a search
// of some conditions over a range.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/chart_program.h"
#include "elect/elect.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {

inline constexpr int64_t kMarch19of2024 = 1710806400;  // 2024-03-19 00:00 UTC
inline constexpr int64_t kHour = 3600;
inline constexpr int64_t kDay = 86400;

inline const ChartProgram& ElectProgram() {
  static const ChartProgram program = LoadChartProgram(DataDir(), RegionalFormat{});
  return program;
}

inline ConditionSetting Condition(const std::string& written, double weight = 0) {
  ConditionSetting setting;
  std::string error;
  EXPECT_TRUE(ParseConditionWord(written, setting, error)) << written << ": " << error;
  setting.required = weight == 0;
  setting.weight = weight;
  return setting;
}

class ElectionTest : public ::testing::Test {
 protected:
  ChartContext Context() { return ElectProgram().Context(clock, messages); }

  // Greenwich in the zone five hours west: the zone must move no edge.
  ElectionSearch Search(int64_t from, int64_t to, std::vector<ConditionSetting> conditions,
                        int step_minutes = 1, int threads = 1) {
    ElectionSearch search;
    search.place.LatDegrees = 51;
    search.place.LatMinutes = 28;
    search.place.Zone = 5;
    search.from_unix = from;
    search.to_unix = to;
    search.step_minutes = step_minutes;
    search.threads = threads;
    search.conditions = std::move(conditions);
    return search;
  }

  ElectionSearchResult Find(const ElectionSearch& search, const SearchControl& control = {}) {
    return FindElections(search, settings, Context(), control);
  }

  ChartState At(const ElectionSearch& search, int64_t unix_seconds) {
    MomentCaster caster(search.place, settings, Context());
    return caster.ChartAt(unix_seconds);
  }

  bool Holds(const ElectionSearch& search, int64_t unix_seconds) {
    MomentCaster caster(search.place, settings, Context());
    return caster.Passes(search.conditions, unix_seconds);
  }

  FixedClock clock{LocalDateTime{2026, 12, 6, 13, 5, 0}, 5};
  RecordingMessages messages;
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
};

}  // namespace kairotex::test
