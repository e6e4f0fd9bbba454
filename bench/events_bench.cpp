// The events of a range (ingresses, void Moons, perfections, stations) at
// one-minute scan steps, each refined to the second: a month and a year, on
// one thread and on two; peak memory as a counter.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "bench_chart.h"
#include "elect/events.h"
#include "elect/moment.h"

namespace kairotex::bench {
namespace {

double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_Events(benchmark::State& bench) {
  const FixedClock clock({2026, 12, 6, 12, 0, 0}, 5);
  SilentMessages messages;
  const ChartContext context = Program().Context(clock, messages);
  EventRange range;
  range.place_and_zone = NewYorkElection(2026, 3, 1, 12, 0, false);
  range.from_unix = UnixSecondsOfElection(range.place_and_zone);
  range.to_unix = range.from_unix + bench.range(0) * 86400;
  range.threads = static_cast<int>(bench.range(1));
  int64_t events = 0;
  for (auto _ : bench) {
    events =
        static_cast<int64_t>(FindEvents(range, ChartSettings::ForHouseSystem('P'), context).size());
  }
  bench.counters["events"] = static_cast<double>(events);
  bench.counters["peak_MiB"] = PeakMiB();
}
BENCHMARK(BM_Events)
    ->Args({30, 1})
    ->Args({30, 2})
    ->Args({365, 2})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace kairotex::bench
