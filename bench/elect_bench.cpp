// The election search: a month of one-minute steps with the marriage preset's
// conditions and every edge refined to the second (target under 0.3 s), and
// a year on two threads (target under 3 s); the same on the precise
// ephemeris; peak memory as a counter; and
// how soon a search stops once Cancel is pressed (target under 100 ms).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "bench_chart.h"
#include "elect/elect.h"

namespace kairotex::bench {
namespace {

const ElectionPreset& Marriage() {
  static const PresetFile file =
      LoadPresets(std::string(KAIROTEX_BENCH_DATA_DIR) + "/" + kElectionPresetsFile);
  return *FindPreset(file, "marriage");
}

// The marriage preset at New York from 1 March 2026, noon, for `days` days.
ElectionSearch MarriageSearch(int64_t days, int threads) {
  ElectionSearch search;
  search.place = NewYorkElection(2026, 3, 1, 12, 0, false);
  search.from_unix = UnixSecondsOfElection(search.place);
  search.to_unix = search.from_unix + days * 86400;
  search.threads = threads;
  search.conditions = Marriage().conditions;
  return search;
}

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// range(2) 1: the precise ephemeris.
void BM_ElectionSearch(benchmark::State& bench) {
  const int64_t days = bench.range(0);
  const FixedClock clock({2026, 12, 6, 12, 0, 0}, 5);
  SilentMessages messages;
  const ChartProgram* program = ProgramOrSkip(bench, bench.range(2) == 1);
  if (program == nullptr) return;
  const ChartContext context = program->Context(clock, messages);
  const ElectionSearch search = MarriageSearch(days, static_cast<int>(bench.range(1)));
  int64_t windows = 0, charts = 0;
  for (auto _ : bench) {
    const ElectionSearchResult result =
        FindElections(search, ChartSettings::ForHouseSystem('P'), context);
    windows = static_cast<int64_t>(result.windows.size());
    charts = result.charts_cast;
  }
  bench.counters["windows"] = static_cast<double>(windows);
  bench.counters["charts"] = static_cast<double>(charts);
  bench.counters["peak_MiB"] = PeakMiB();
}
BENCHMARK(BM_ElectionSearch)
    ->ArgNames({"days", "threads", "precise"})
    ->Args({30, 1, 0})
    ->Args({30, 2, 0})
    ->Args({365, 2, 0})
    ->Args({30, 2, 1})
    ->Args({365, 2, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// A four-year search on two threads, cancelled after a fifth of a second:
// the time from setting the flag to the search's return.
void BM_CancelLatency(benchmark::State& bench) {
  const FixedClock clock({2026, 12, 6, 12, 0, 0}, 5);
  SilentMessages messages;
  const ChartContext context = Program().Context(clock, messages);
  const ElectionSearch search = MarriageSearch(4 * 365, 2);
  double worst_ms = 0;
  for (auto _ : bench) {
    std::atomic<bool> cancel{false};
    SearchControl control;
    control.cancel = &cancel;
    std::chrono::steady_clock::time_point returned;
    std::thread worker([&] {
      FindElections(search, ChartSettings::ForHouseSystem('P'), context, control);
      returned = std::chrono::steady_clock::now();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto pressed = std::chrono::steady_clock::now();
    cancel = true;
    worker.join();
    const double seconds = std::chrono::duration<double>(returned - pressed).count();
    worst_ms = std::max(worst_ms, seconds * 1000.0);
    bench.SetIterationTime(seconds);
  }
  bench.counters["worst_ms"] = worst_ms;
}
BENCHMARK(BM_CancelLatency)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace
}  // namespace kairotex::bench
