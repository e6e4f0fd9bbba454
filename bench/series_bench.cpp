// The series of a scan: a day and a week of one-minute steps on one thread
// and on two (the target: a year, 525,600 charts, under 1.5 s on two threads
// and under 2.5 s on one), and a day on the precise ephemeris; the counter
// "year_s" extrapolates to a year.
#include <benchmark/benchmark.h>

#include <atomic>

#include "bench_chart.h"

namespace kairotex::bench {
namespace {

// range(2) 1: the precise ephemeris.
void BM_Series(benchmark::State& bench) {
  const int64_t count = bench.range(0);
  const int threads = static_cast<int>(bench.range(1));
  const FixedClock clock({2026, 12, 6, 12, 0, 0}, 5);
  SilentMessages messages;
  const ChartProgram* program = ProgramOrSkip(bench, bench.range(2) == 1);
  if (program == nullptr) return;
  const ChartContext context = program->Context(clock, messages);
  const ChartSeries series{NewYorkElection(2026, 3, 1, 12, 0, false), 1, count};
  std::atomic<int64_t> seen = 0;
  for (auto _ : bench) {
    CastChartSeries(series, ChartSettings::ForHouseSystem('P'), context, threads,
                    [&seen](int64_t, const ChartState& chart) {
                      benchmark::DoNotOptimize(chart.ObjectLon[kMoon]);
                      seen.fetch_add(1, std::memory_order_relaxed);
                    });
  }
  bench.counters["charts_per_s"] =
      benchmark::Counter(static_cast<double>(seen.load()), benchmark::Counter::kIsRate);
  // Seconds a year of minutes would take at this rate.
  bench.counters["year_s"] =
      benchmark::Counter(static_cast<double>(seen.load()) / 525600.0,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Series)
    ->ArgNames({"charts", "threads", "precise"})
    ->Args({1440, 1, 0})
    ->Args({1440, 2, 0})
    ->Args({10080, 1, 0})
    ->Args({10080, 2, 0})
    ->Args({1440, 1, 1})
    ->Args({1440, 2, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kairotex::bench
