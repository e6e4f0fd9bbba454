// The election search: a month of one-minute steps with the marriage preset's
// conditions and every edge refined to the second (target under 0.3 s), and
// a year on two threads (target under 3 s); peak memory as a counter.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "bench_chart.h"
#include "elect/elect.h"

namespace kairotex::bench {
namespace {

const ElectionPreset& Marriage() {
  static const PresetFile file =
      LoadPresets(std::string(KAIROTEX_BENCH_DATA_DIR) + "/" + kElectionPresetsFile);
  return *FindPreset(file, "marriage");
}

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ElectionSearch(benchmark::State& bench) {
  const int64_t days = bench.range(0);
  const FixedClock clock({2026, 12, 6, 12, 0, 0}, 5);
  SilentMessages messages;
  const ChartContext context = Program().Context(clock, messages);
  ElectionSearch search;
  search.place = NewYorkElection(2026, 3, 1, 12, 0, false);
  search.from_unix = UnixSecondsOfElection(search.place);
  search.to_unix = search.from_unix + days * 86400;
  search.threads = static_cast<int>(bench.range(1));
  search.conditions = Marriage().conditions;
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
    ->Args({30, 1})
    ->Args({30, 2})
    ->Args({365, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace kairotex::bench
