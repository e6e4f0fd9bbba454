// The series of a scan: each moment's chart as casting it alone gives it,
// on one thread or two, the record stepped through the calendar reform and
// stopped at the last chart year.
#include "chart/chart_series.h"

#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "chart/election_steps.h"
#include "test_messages.h"

namespace kairotex {
namespace {

struct Cast {
  int16_t year, month, day;
  ObjectTable lon, decl, motion;
  CuspTable cusps;
  std::string houses, retro;
};

Cast Keep(const ChartState& s) {
  return {s.ChartYear,         s.ChartMonth, s.ChartDay,     s.ObjectLon, s.ObjectDecl,
          s.ObjectDailyMotion, s.CuspWheel,  s.HousePosText, s.RetroFlags};
}

class Series : public ::testing::Test {
 protected:
  ChartContext Context() { return {options, tables, elements, regional, clock, messages, "/prog"}; }

  std::vector<Cast> Run(const ChartSeries& series, int threads, int64_t* cast = nullptr) {
    std::vector<Cast> kept(static_cast<size_t>(series.count));
    std::mutex guard;
    const int64_t n = CastChartSeries(series, settings, Context(), threads,
                                      [&](int64_t index, const ChartState& chart) {
                                        const std::lock_guard<std::mutex> lock(guard);
                                        kept[static_cast<size_t>(index)] = Keep(chart);
                                      });
    if (cast) *cast = n;
    kept.resize(static_cast<size_t>(n));
    return kept;
  }

  OptionsTable options{};
  DataTables tables;  // no Chiron tables
  OrbitalElements elements = InitOrbitalElements();
  RegionalFormat regional;
  FixedClock clock{LocalDateTime{2026, 12, 6, 13, 5, 0}, 5};
  test::RecordingMessages messages;
  ChartSettings settings = ChartSettings::ForHouseSystem('P');
};

void ExpectSame(const Cast& a, const Cast& b, int64_t index) {
  EXPECT_EQ(a.year * 10000 + a.month * 100 + a.day, b.year * 10000 + b.month * 100 + b.day)
      << index;
  // A scan takes the next day from the chart a day later, which differs from
  // the day added to the moment in the last bits only, and the outer planets'
  // perturbations from its half-hour knots.
  for (int i = 1; i <= ObjectCount; ++i) {
    EXPECT_NEAR(a.lon[i], b.lon[i], 1e-9) << index;
    EXPECT_NEAR(a.decl[i], b.decl[i], 1e-9) << index;
    EXPECT_NEAR(a.motion[i], b.motion[i], 1e-9) << index;
  }
  EXPECT_EQ(a.retro, b.retro) << index;
  EXPECT_EQ(a.cusps, b.cusps) << index;
  EXPECT_EQ(a.houses, b.houses) << index;
}

TEST_F(Series, EachMomentAsCastAloneOnOneThreadOrTwo) {
  // From 11.50 P.M. on 31 December 2026 at New York into 2027: by 7-minute
  // steps, which do not divide a day, and by 5-minute steps, whose next days
  // come from the series' own later charts.
  for (const int step : {7, 5}) {
    const ChartSeries series{{12, 31, 2026, 11, 50, 1, 73, 59, 40, 45, 1, 0, 5, "Scan"}, step, 700};
    const std::vector<Cast> one = Run(series, 1), two = Run(series, 2);
    ASSERT_EQ(one.size(), 700u);
    ASSERT_EQ(two.size(), 700u);
    ElectionData e = series.start;
    ChartState alone;
    for (int64_t i = 0; i < series.count; ++i) {
      if (i > 0) {
        for (int m = 0; m < series.step_minutes; ++m)
          ASSERT_TRUE(StepElection(e, TimeStep::kAddMinute));
      }
      CalculateChart(alone, e, settings, Context());
      ExpectSame(one[i], Keep(alone), i);
      ExpectSame(two[i], one[i], i);
      if (HasFailure()) return;
    }
    EXPECT_EQ(one[1].year, 2026);  // 11.55 or 11.57 P.M., then the new year
    EXPECT_EQ(one[2].year, 2027);
  }
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Series, TheReformIsSteppedOverAndTheLastYearEndsTheSeries) {
  // 11.59 P.M. on 4 October 1582: the next minute is 15 October.
  const ChartSeries reform{{10, 4, 1582, 11, 59, 1, 0, 0, 51, 28, 1, 0, 0, "Reform"}, 1, 2};
  const std::vector<Cast> crossed = Run(reform, 1);
  ASSERT_EQ(crossed.size(), 2u);
  EXPECT_EQ(crossed[1].day, 15);
  // 11.58 P.M. on 31 December 2099: two moments, then the end of the chart years.
  int64_t cast = 0;
  const ChartSeries last{{12, 31, 2099, 11, 58, 1, 0, 0, 51, 28, 1, 0, 0, "Last"}, 1, 10};
  EXPECT_EQ(Run(last, 2, &cast).size(), 2u);
  EXPECT_EQ(cast, 2);
  EXPECT_EQ(CastChartSeries({last.start, 0, 10}, settings, Context(), 1, {}), 0);
}

}  // namespace
}  // namespace kairotex
