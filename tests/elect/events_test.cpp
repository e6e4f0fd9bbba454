// The events of a few days: each one where the chart itself flips, one second
// either side; the same events whatever the coarse step or the threads; the
// texts and the calendar entries.
#include "elect/events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/angles.h"
#include "elect/moment.h"
#include "election_fixture.h"
#include "reports/moon_sign_aspects.h"

namespace kairotex {
namespace {

using test::kDay;
using test::kMarch19of2024;
constexpr int64_t kMarch31of2024 = 1711843200;  // 2024-03-31 00:00 UTC

// How far the first object is past the exact aspect to the second, degrees.
double PastExact(const ChartState& c, const ChartEvent& e, bool far_side) {
  const double angle = far_side ? 360 - e.aspect_degrees : e.aspect_degrees;
  double d = std::fmod(c.ObjectLon[e.object] - c.ObjectLon[e.other] - angle + 720.0, 360.0);
  return d > 180 ? d - 360 : d;
}

bool Retrograde(const ChartState& c, int object) {
  return c.RetroFlags[object - 1] == 'R';
}

class Events : public test::ElectionTest {
 protected:
  // Greenwich, the zone five hours west: the zone must not move any event.
  EventRange Range(int64_t from, int64_t to, int scan_minutes = 1, int threads = 1) {
    EventRange range;
    range.place_and_zone.LatDegrees = 51;
    range.place_and_zone.LatMinutes = 28;
    range.place_and_zone.Zone = 5;
    range.from_unix = from;
    range.to_unix = to;
    range.scan_minutes = scan_minutes;
    range.threads = threads;
    return range;
  }

  std::vector<ChartEvent> Find(const EventRange& range) {
    return FindEvents(range, settings, Context());
  }

  ChartState At(const EventRange& range, int64_t unix_seconds) {
    ChartState chart;
    ChartSettings scan = settings;
    scan.BuildHeading = false;
    CalculateChart(chart, ElectionAtUnixSeconds(range.place_and_zone, unix_seconds), scan,
                   Context());
    return chart;
  }

  // The chart one second before the event shows the old state, the chart
  // at it the new one.
  void ExpectFlipsAt(const EventRange& range, const ChartEvent& e) {
    SCOPED_TRACE(EventSummary(e) + " at " + IsoUtcDateTime(e.unix_seconds));
    const ChartState before = At(range, e.unix_seconds - 1), at = At(range, e.unix_seconds);
    switch (e.kind) {
      case EventKind::kIngress:
        EXPECT_NE(SplitLongitude(before.ObjectLon[e.object]).sign, e.sign);
        EXPECT_EQ(SplitLongitude(at.ObjectLon[e.object]).sign, e.sign);
        break;
      case EventKind::kPerfection: {
        // Either side of the aspect (a trine 120 or 240 degrees on).
        const bool near_side = std::fabs(PastExact(at, e, false)) < 1;
        const double b = PastExact(before, e, !near_side), a = PastExact(at, e, !near_side);
        EXPECT_NE(b < 0, a < 0);
        EXPECT_LT(std::fabs(a), 0.001);
        break;
      }
      case EventKind::kStationRetrograde:
      case EventKind::kStationDirect:
        EXPECT_NE(Retrograde(before, e.object), Retrograde(at, e.object));
        EXPECT_EQ(Retrograde(at, e.object), e.kind == EventKind::kStationRetrograde);
        break;
      case EventKind::kVoidOfCourse: {
        if (!e.starts_before_range) {
          EXPECT_FALSE(ComputeMoonSignAspects(before).void_of_course);
        }
        EXPECT_TRUE(ComputeMoonSignAspects(at).void_of_course);
        EXPECT_TRUE(
            ComputeMoonSignAspects(At(range, (e.unix_seconds + e.end_unix) / 2)).void_of_course);
        if (!e.ends_after_range) {
          EXPECT_TRUE(ComputeMoonSignAspects(At(range, e.end_unix - 1)).void_of_course);
          EXPECT_FALSE(ComputeMoonSignAspects(At(range, e.end_unix)).void_of_course);
        }
        EXPECT_GT(e.end_unix, e.unix_seconds);
        break;
      }
    }
  }
};

int Count(const std::vector<ChartEvent>& events, EventKind kind) {
  int n = 0;
  for (const ChartEvent& e : events) n += e.kind == kind;
  return n;
}

TEST_F(Events, EachEventIsWhereTheChartFlipsOneSecondEitherSide) {
  const EventRange range = Range(kMarch19of2024, kMarch19of2024 + 3 * kDay);
  const std::vector<ChartEvent> events = Find(range);
  ASSERT_GE(Count(events, EventKind::kIngress), 2);  // the Sun into Aries, the Moon at least once
  ASSERT_GE(Count(events, EventKind::kPerfection), 5);
  ASSERT_GE(Count(events, EventKind::kVoidOfCourse), 1);
  for (const ChartEvent& e : events) ExpectFlipsAt(range, e);
  for (size_t i = 1; i < events.size(); ++i) {
    EXPECT_LE(events[i - 1].unix_seconds, events[i].unix_seconds);
  }
}

TEST_F(Events, AVoidMoonAcrossTheWeeklyBlocksOfTheScanStaysWhole) {
  // Hourly, eight days: the scan's blocks meet after seven.
  const EventRange range = Range(kMarch19of2024, kMarch19of2024 + 8 * kDay, 60);
  const std::vector<ChartEvent> events = Find(range);
  int64_t last_end = 0;
  for (const ChartEvent& e : events) {
    if (e.kind != EventKind::kVoidOfCourse) continue;
    ExpectFlipsAt(range, e);
    EXPECT_GT(e.unix_seconds, last_end);  // no span cut in two
    EXPECT_EQ(e.starts_before_range, e.unix_seconds == range.from_unix);
    last_end = e.end_unix;
  }
  EXPECT_GE(Count(events, EventKind::kVoidOfCourse), 3);
}

TEST_F(Events, TheMarchEquinoxOf2024) {
  // The Sun entered Aries at 2024-03-20 03:06 UTC (the US Naval Observatory's
  // seasons table); the program's own solar theory to within three minutes.
  const std::vector<ChartEvent> events = Find(Range(kMarch19of2024, kMarch19of2024 + 2 * kDay));
  const ChartEvent* equinox = nullptr;
  for (const ChartEvent& e : events) {
    if (e.kind == EventKind::kIngress && e.object == kSun) equinox = &e;
  }
  ASSERT_NE(equinox, nullptr);
  EXPECT_EQ(equinox->sign, 1);
  EXPECT_NEAR(static_cast<double>(equinox->unix_seconds), 1710903960.0, 180.0);
  EXPECT_EQ(EventSummary(*equinox), "Sun enters Aries");
}

TEST_F(Events, MercuryStationsRetrogradeInApril2024) {
  // The flag is the chart's own (a day's motion backwards), so it turns about
  // half a day before the station of the almanacs (2024-04-01 22:14 UTC).
  const EventRange range = Range(kMarch31of2024, kMarch31of2024 + 3 * kDay);
  const std::vector<ChartEvent> events = Find(range);
  int stations = 0;
  for (const ChartEvent& e : events) {
    if (e.kind != EventKind::kStationRetrograde && e.kind != EventKind::kStationDirect) continue;
    ++stations;
    EXPECT_EQ(e.object, kMercury);
    EXPECT_EQ(e.kind, EventKind::kStationRetrograde);
    EXPECT_NEAR(static_cast<double>(e.unix_seconds), 1712009640.0, kDay);
    EXPECT_EQ(EventSummary(e), "Mercury stations retrograde");
  }
  EXPECT_EQ(stations, 1);
}

TEST_F(Events, AnHourlyScanAndTwoThreadsFindTheSameSeconds) {
  // The void Moon's verdict also follows the Part of Fortune, whose short
  // spells only a fine scan sees; the other events must agree exactly.
  const auto without_void = [](std::vector<ChartEvent> events) {
    std::erase_if(events, [](const ChartEvent& e) { return e.kind == EventKind::kVoidOfCourse; });
    return events;
  };
  const auto fine = Find(Range(kMarch19of2024, kMarch19of2024 + 2 * kDay));
  const auto coarse = without_void(Find(Range(kMarch19of2024, kMarch19of2024 + 2 * kDay, 60)));
  const auto both = Find(Range(kMarch19of2024, kMarch19of2024 + 2 * kDay, 1, 2));
  const auto fine_only = without_void(fine);
  ASSERT_EQ(coarse.size(), fine_only.size());
  for (size_t i = 0; i < coarse.size(); ++i) {
    EXPECT_EQ(EventSummary(coarse[i]), EventSummary(fine_only[i]));
    EXPECT_EQ(coarse[i].unix_seconds, fine_only[i].unix_seconds) << EventSummary(coarse[i]);
  }
  ASSERT_EQ(both.size(), fine.size());
  for (size_t i = 0; i < both.size(); ++i) {
    EXPECT_EQ(both[i].unix_seconds, fine[i].unix_seconds);
    EXPECT_EQ(both[i].end_unix, fine[i].end_unix);
  }
}

TEST_F(Events, EmptyAndReversedRangesHaveNoEvents) {
  EXPECT_TRUE(Find(Range(kMarch19of2024, kMarch19of2024)).empty());
  EXPECT_TRUE(Find(Range(kMarch19of2024, kMarch19of2024 - kDay)).empty());
}

TEST(EventText, Summaries) {
  const auto make = [](EventKind kind, int object, int other, int sign, int aspect) {
    ChartEvent e;
    e.kind = kind;
    e.object = object;
    e.other = other;
    e.sign = sign;
    e.aspect_degrees = aspect;
    return e;
  };
  const struct {
    ChartEvent event;
    const char* text;
  } cases[] = {
      {make(EventKind::kIngress, kMoon, 0, 2, 0), "Moon enters Taurus"},
      {make(EventKind::kIngress, kPluto, 0, 11, 0), "Pluto enters Aquarius"},
      {make(EventKind::kVoidOfCourse, kMoon, 0, 0, 0), "Moon void of course"},
      {make(EventKind::kPerfection, kSun, kJupiter, 0, 120), "Sun trine Jupiter"},
      {make(EventKind::kPerfection, kMoon, kSaturn, 0, 0), "Moon conjunct Saturn"},
      {make(EventKind::kPerfection, kVenus, kMars, 0, 180), "Venus opposite Mars"},
      {make(EventKind::kPerfection, kMoon, kMercury, 0, 60), "Moon sextile Mercury"},
      {make(EventKind::kPerfection, kMars, kNeptune, 0, 90), "Mars square Neptune"},
      {make(EventKind::kStationRetrograde, kMars, 0, 0, 0), "Mars stations retrograde"},
      {make(EventKind::kStationDirect, kMars, 0, 0, 0), "Mars stations direct"},
  };
  for (const auto& c : cases) EXPECT_EQ(EventSummary(c.event), c.text);
}

TEST(EventText, CalendarEntries) {
  ChartEvent voc;
  voc.kind = EventKind::kVoidOfCourse;
  voc.object = kMoon;
  voc.unix_seconds = 946728000;
  voc.end_unix = 946728000 + 3723;
  ChartEvent ingress;
  ingress.object = kMoon;
  ingress.sign = 2;
  ingress.unix_seconds = ingress.end_unix = voc.end_unix;
  const auto entries = EventsAsCalendar({voc, ingress});
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].summary, "Moon void of course");
  EXPECT_EQ(entries[0].start_unix, 946728000);
  EXPECT_EQ(entries[0].end_unix, 946731723);
  EXPECT_EQ(entries[0].description, "From 2000-01-01T12:00:00Z to 2000-01-01T13:02:03Z");
  EXPECT_EQ(entries[1].summary, "Moon enters Taurus");
  EXPECT_EQ(entries[1].start_unix, entries[1].end_unix);
  EXPECT_EQ(entries[1].description, "Exact at 2000-01-01T13:02:03Z");
}

}  // namespace
}  // namespace kairotex
