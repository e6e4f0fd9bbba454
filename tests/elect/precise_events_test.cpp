// The finder and the events on the precise ephemeris: a month's void-of-course
// Moons against the rule evaluated minute by minute on the ephemeris' charts,
// and a search outside the ephemeris' dates told once.
#include <gtest/gtest.h>

#include <vector>

#include "chart/chart_series.h"
#include "elect/events.h"
#include "elect/moment.h"
#include "election_fixture.h"
#include "precise/swiss_ephemeris.h"
#include "reports/moon_sign_aspects.h"

namespace kairotex {
namespace {

using test::kDay;
constexpr int64_t kMarch1of2024 = 1709251200;  // 2024-03-01 00:00 UTC

class PreciseEvents : public test::ElectionTest {
 protected:
  PreciseEvents() {
    std::string error;
    program.ephemeris = SwissEphemeris::Open(SwissEphemeris::DefaultFolder(), error);
    EXPECT_NE(program.ephemeris, nullptr) << error;
  }
  ChartContext PreciseContext() { return program.Context(clock, messages); }

  ElectionData Greenwich() const {
    ElectionData place;
    place.LatDegrees = 51;
    place.LatMinutes = 28;
    place.Zone = 5;
    return place;
  }

  ChartProgram program = test::ElectProgram();
};

TEST_F(PreciseEvents, AMonthsVoidMoonsAreTheMinutesTheRuleCallsVoid) {
  EventRange range;
  range.place_and_zone = Greenwich();
  range.from_unix = kMarch1of2024;
  range.to_unix = kMarch1of2024 + 31 * kDay;
  range.scan_minutes = 1;
  range.threads = 2;
  std::vector<ChartEvent> voids;
  for (const ChartEvent& e : FindEvents(range, settings, PreciseContext())) {
    if (e.kind == EventKind::kVoidOfCourse) voids.push_back(e);
  }
  ASSERT_GE(voids.size(), 10u);

  const int64_t minutes = (range.to_unix - range.from_unix) / 60;
  std::vector<char> void_at(static_cast<size_t>(minutes), 0);
  std::vector<char> precise_at(void_at.size(), 0);
  const ChartSeries series{ElectionAtUnixSeconds(range.place_and_zone, range.from_unix), 1,
                           minutes};
  ASSERT_EQ(CastChartSeries(series, settings, PreciseContext(), 2,
                            [&](int64_t i, const ChartState& chart) {
                              void_at[i] = ComputeMoonSignAspects(chart).void_of_course;
                              precise_at[i] = chart.EphemerisUsed == EphemerisKind::kSwiss;
                            }),
            minutes);
  size_t next = 0;
  for (int64_t i = 0; i < minutes; ++i) {
    const int64_t t = range.from_unix + 60 * i;
    while (next < voids.size() && voids[next].end_unix <= t) ++next;
    const bool in_window =
        next < voids.size() && voids[next].unix_seconds <= t && t < voids[next].end_unix;
    ASSERT_EQ(void_at[i] != 0, in_window) << IsoUtcDateTime(t);
    ASSERT_TRUE(precise_at[i]);
  }
  EXPECT_TRUE(messages.texts.empty());
}

TEST_F(PreciseEvents, ASearchBeforeTheEphemerisIsToldOnceAndCastWithTheProgramsTheories) {
  ElectionSearch search =
      Search(UnixSecondsOfElection({1, 1, 1790, 12, 0, 0, 0, 0, 51, 28, 1, 0, 0.0f, ""}),
             UnixSecondsOfElection({1, 2, 1790, 12, 0, 0, 0, 0, 51, 28, 1, 0, 0.0f, ""}),
             {test::Condition("moon-not-voc")}, 60);
  const ElectionSearchResult precise = FindElections(search, settings, PreciseContext());
  ASSERT_EQ(messages.texts.size(), 1u);
  EXPECT_EQ(messages.texts[0],
            "Precise positions are not available for the whole search: the ephemeris files "
            "serve the dates from 1800-01-01 to 2400-01-09 only. It is cast with the "
            "program's own theories.");
  const ElectionSearchResult own = Find(search);
  ASSERT_EQ(precise.windows.size(), own.windows.size());
  for (size_t i = 0; i < own.windows.size(); ++i) {
    EXPECT_EQ(precise.windows[i].start_unix, own.windows[i].start_unix);
  }
}

}  // namespace
}  // namespace kairotex
