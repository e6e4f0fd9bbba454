#include "chart/chart_series.h"

#include <algorithm>
#include <thread>
#include <vector>

#include "chart/election_steps.h"

namespace kairotex {
namespace {

// The record `minutes` later; false when it leaves the chart years.
bool StepMinutes(ElectionData& e, int64_t minutes) {
  for (int64_t i = 0; i < minutes; ++i) {
    if (!StepElection(e, TimeStep::kAddMinute)) return false;
  }
  return true;
}

// How many of the series' moments lie inside the chart years.
int64_t ReachableCount(const ChartSeries& series) {
  ElectionData e = series.start;
  int64_t reachable = series.count > 0 ? 1 : 0;
  while (reachable < series.count && StepMinutes(e, series.step_minutes)) ++reachable;
  return reachable;
}

constexpr int64_t kMinutesPerDay = 1440;

// Casts moments [first, end). When the step divides a day (and the program's
// theories cast the charts), the next-day
// bodies of moment i are the bodies of moment i + day_steps, computed once as
// that moment's own and kept in a ring until it is cast.
void CastBlock(const ChartSeries& series, int64_t first, int64_t end, const ChartSettings& settings,
               const ChartContext& context, const SeriesVisit& visit) {
  ElectionData e = series.start;
  StepMinutes(e, first * series.step_minutes);
  ChartState chart;
  // The program's theories only: a precise ephemeris casts each day anew.
  const bool reuse = kMinutesPerDay % series.step_minutes == 0 && context.ephemeris == nullptr;
  const int64_t day_steps = kMinutesPerDay / series.step_minutes;
  // Slot i % ring.size() holds moment i's bodies; `known` says whether its
  // moment lies inside the chart years.
  std::vector<BodyPositions> ring(reuse ? static_cast<size_t>(day_steps + 1) : 0);
  std::vector<char> known(ring.size(), 0);
  PerturbationKnots knots;
  ElectionData ahead = e;
  int64_t ahead_index = first;
  bool ahead_ok = true;
  const auto slot = [&](int64_t index) { return static_cast<size_t>(index % (day_steps + 1)); };
  const auto fill_ahead_to = [&](int64_t last) {
    for (; ahead_index <= last; ++ahead_index) {
      if (ahead_index > first) ahead_ok = ahead_ok && StepMinutes(ahead, series.step_minutes);
      known[slot(ahead_index)] = ahead_ok ? 1 : 0;
      if (ahead_ok) {
        ring[slot(ahead_index)] = BodiesAtClock(context.elements, ElectionClock(ahead), knots);
      }
    }
  };
  for (int64_t index = first; index < end; ++index) {
    if (index > first) StepMinutes(e, series.step_minutes);
    if (!reuse) {
      CalculateChart(chart, e, settings, context);
    } else {
      fill_ahead_to(index + day_steps);
      const BodyPositions& later = ring[slot(index + day_steps)];
      const bool later_known = known[slot(index + day_steps)] != 0;
      CalculateChart(chart, e, settings, context,
                     {&ring[slot(index)], later_known ? &later : nullptr});
    }
    visit(index, chart);
  }
}

}  // namespace

int64_t CastChartSeries(const ChartSeries& series, const ChartSettings& settings,
                        const ChartContext& context, int threads, const SeriesVisit& visit) {
  if (series.step_minutes < 1 || series.count < 1) return 0;
  ChartSettings scan = settings;
  scan.ElectionsRunning = false;
  scan.BuildHeading = false;
  const int64_t count = ReachableCount(series);
  const int64_t workers = std::clamp<int64_t>(threads, 1, std::max<int64_t>(1, count / 64));
  if (workers == 1) {
    CastBlock(series, 0, count, scan, context, visit);
    return count;
  }
  std::vector<std::thread> pool;
  const int64_t block = (count + workers - 1) / workers;
  for (int64_t w = 0; w < workers; ++w) {
    const int64_t first = w * block, end = std::min(count, first + block);
    if (first >= end) break;
    pool.emplace_back([&, first, end] { CastBlock(series, first, end, scan, context, visit); });
  }
  for (std::thread& worker : pool) worker.join();
  return count;
}

}  // namespace kairotex
