// The search: windows against the report's verdict one second either side of
// each edge, the same edges from a step of a minute and of an hour, clipping
// at the range's ends, ranking and explanation, tolerance against the edges,
// cancelling and the refusals.
#include <gtest/gtest.h>

#include <atomic>
#include <numeric>

#include "election_fixture.h"
#include "reports/moon_sign_aspects.h"

namespace kairotex {
namespace {

using test::Condition;
using test::kDay;
using test::kHour;
using test::kMarch19of2024;

class SearchTest : public test::ElectionTest {
 protected:
  bool ReportSaysVoid(const ElectionSearch& search, int64_t t) {
    return ComputeMoonSignAspects(At(search, t)).void_of_course;
  }
};

TEST_F(SearchTest, NotVoidWindowsFlipWhereTheReportFlips) {
  const ElectionSearch search =
      Search(kMarch19of2024, kMarch19of2024 + 3 * kDay, {Condition("moon-not-voc")});
  const ElectionSearchResult result = Find(search);
  ASSERT_GE(result.windows.size(), 2u);
  for (const ElectionWindow& w : result.windows) {
    ASSERT_LT(w.start_unix, w.end_unix);
    EXPECT_FALSE(ReportSaysVoid(search, w.start_unix));
    EXPECT_FALSE(ReportSaysVoid(search, w.end_unix - 1));
    EXPECT_FALSE(ReportSaysVoid(search, w.best_unix));
    EXPECT_GE(w.best_unix, w.start_unix);
    EXPECT_LT(w.best_unix, w.end_unix);
    if (w.start_unix > search.from_unix) {
      EXPECT_TRUE(ReportSaysVoid(search, w.start_unix - 1));
    }
    if (w.end_unix < search.to_unix) {
      EXPECT_TRUE(ReportSaysVoid(search, w.end_unix));
    }
  }
  // Between two windows the Moon is void throughout (checked every 10 minutes).
  std::vector<ElectionWindow> by_time = result.windows;
  std::sort(by_time.begin(), by_time.end(),
            [](const auto& a, const auto& b) { return a.start_unix < b.start_unix; });
  for (size_t i = 1; i < by_time.size(); ++i) {
    for (int64_t t = by_time[i - 1].end_unix; t < by_time[i].start_unix; t += 600) {
      EXPECT_TRUE(ReportSaysVoid(search, t)) << t;
    }
  }
}

TEST_F(SearchTest, AMinuteAndAnHourFindTheSameEdges) {
  // The Moon leaves the Via Combusta and waxes over twelve days: windows of days.
  const std::vector<ConditionSetting> conditions = {Condition("moon-not-via-combusta"),
                                                    Condition("moon-waxing")};
  const int64_t to = kMarch19of2024 + 12 * kDay + 1234;
  const ElectionSearchResult minutes = Find(Search(kMarch19of2024, to, conditions, 1, 2));
  const ElectionSearchResult hours = Find(Search(kMarch19of2024, to, conditions, 60, 1));
  ASSERT_EQ(minutes.windows.size(), hours.windows.size());
  ASSERT_FALSE(minutes.windows.empty());
  for (size_t i = 0; i < minutes.windows.size(); ++i) {
    EXPECT_EQ(minutes.windows[i].start_unix, hours.windows[i].start_unix) << i;
    EXPECT_EQ(minutes.windows[i].end_unix, hours.windows[i].end_unix) << i;
  }
  EXPECT_LT(hours.charts_cast * 20, minutes.charts_cast);
}

TEST_F(SearchTest, WindowsTouchingTheRangeEndsAreClipped) {
  // The Moon waxes all through 2024-03-19 (first quarter on the 17th).
  const ElectionSearch search =
      Search(kMarch19of2024 + 17, kMarch19of2024 + kDay - 5, {Condition("moon-waxing")});
  const ElectionSearchResult result = Find(search);
  ASSERT_EQ(result.windows.size(), 1u);
  EXPECT_EQ(result.windows[0].start_unix, search.from_unix);
  EXPECT_EQ(result.windows[0].end_unix, search.to_unix);
  EXPECT_EQ(result.windows[0].score, 100);
}

TEST_F(SearchTest, RankedByScoreAndExplained) {
  const ElectionSearch search =
      Search(kMarch19of2024, kMarch19of2024 + kDay,
             {Condition("moon-not-voc"), Condition("asc-in-signs=fixed", 3),
              Condition("planetary-hour=venus", 1)},
             5);
  const ElectionSearchResult result = Find(search);
  ASSERT_GE(result.windows.size(), 1u);
  for (size_t i = 1; i < result.windows.size(); ++i) {
    EXPECT_GE(result.windows[i - 1].score, result.windows[i].score);
  }
  // A fixed sign rises some time every day: the best window scores 75 or 100.
  EXPECT_GE(result.windows.front().score, 75);
  for (const ElectionWindow& w : result.windows) {
    const MomentExplanation e = ExplainMoment(search, w.best_unix, settings, Context());
    EXPECT_TRUE(e.pass);
    EXPECT_DOUBLE_EQ(e.score, w.score);
    ASSERT_EQ(e.verdicts.size(), 3u);
    const double sum = std::accumulate(e.verdicts.begin(), e.verdicts.end(), 0.0,
                                       [](double s, const auto& v) { return s + v.contribution; });
    EXPECT_DOUBLE_EQ(sum, e.score);
    EXPECT_DOUBLE_EQ(e.verdicts[1].contribution, e.verdicts[1].result.pass ? 75.0 : 0.0);
    EXPECT_DOUBLE_EQ(e.verdicts[2].contribution, e.verdicts[2].result.pass ? 25.0 : 0.0);
    EXPECT_NE(e.ascendant_ruler, 0);
    const std::vector<std::string> lines = ExplanationLines(e);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].rfind("pass  Moon not void of course: ", 0), 0u) << lines[0];
    EXPECT_NE(lines[4].find("Strength of the Ascendant's ruler, "), std::string::npos);
  }
}

TEST_F(SearchTest, ToleranceReachesTheWindowsEdges) {
  const ElectionSearch search =
      Search(kMarch19of2024, kMarch19of2024 + 3 * kDay,
             {Condition("moon-not-voc"), Condition("asc-not-early-late")});
  const ElectionSearchResult result = Find(search);
  const ElectionWindow* inner = nullptr;
  for (const ElectionWindow& w : result.windows) {
    if (w.start_unix > search.from_unix && w.end_unix < search.to_unix) inner = &w;
  }
  ASSERT_NE(inner, nullptr);
  const int64_t moment = inner->start_unix + (inner->end_unix - inner->start_unix) / 3 + 7;
  const MomentTolerance tolerance = ToleranceOf(search, moment, settings, Context(), kDay);
  ASSERT_EQ(tolerance.required.size(), 2u);
  int64_t least_earlier = INT64_MAX, least_later = INT64_MAX;
  for (const ConditionTolerance& t : tolerance.required) {
    EXPECT_TRUE(t.holds);
    if (!t.earlier_capped) least_earlier = std::min(least_earlier, t.seconds_earlier);
    if (!t.later_capped) least_later = std::min(least_later, t.seconds_later);
  }
  // What fails first is what closes the window.
  EXPECT_EQ(least_earlier, moment - inner->start_unix);
  EXPECT_EQ(least_later, inner->end_unix - 1 - moment);
  ASSERT_GE(tolerance.first_to_fail_later, 0);
  EXPECT_EQ(tolerance.required[tolerance.first_to_fail_later].seconds_later, least_later);
}

TEST_F(SearchTest, CancelStopsWithinABlockAndKeepsWhatWasFound) {
  std::atomic<bool> cancel = false;
  std::vector<double> progress;
  SearchControl control;
  control.cancel = &cancel;
  control.progress = [&](double done) {
    progress.push_back(done);
    cancel = true;
  };
  const ElectionSearch search =
      Search(kMarch19of2024, kMarch19of2024 + 30 * kDay, {Condition("moon-waxing")});
  const ElectionSearchResult result = Find(search, control);
  EXPECT_TRUE(result.cancelled);
  ASSERT_EQ(progress.size(), 1u);
  EXPECT_LT(progress[0], 0.2);
  EXPECT_LT(result.charts_cast, 10000);
  ASSERT_EQ(result.windows.size(), 1u);
  EXPECT_EQ(result.windows[0].start_unix, search.from_unix);
}

TEST_F(SearchTest, RefusedSearches) {
  const struct {
    ElectionSearch search;
    const char* message;
  } cases[] = {
      {Search(kMarch19of2024, kMarch19of2024 - 1, {Condition("moon-waxing")}),
       "the range ends before it begins"},
      {Search(kMarch19of2024, kMarch19of2024 + kHour, {Condition("moon-waxing")}, 0),
       "the step is under one minute"},
      {Search(kMarch19of2024, kMarch19of2024 + kHour, {}), "no condition was chosen"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckElectionSearch(c.search), c.message);
    const ElectionSearchResult result = Find(c.search);
    EXPECT_TRUE(result.windows.empty());
    EXPECT_EQ(result.charts_cast, 0);
  }
}

}  // namespace
}  // namespace kairotex
