// One local clock time turned into universal time through the zone database
// (target under 1 microsecond), for a plain day, a day of standard time
// before 1970 and a time in the autumn overlap; and loading a zone.
#include <benchmark/benchmark.h>

#include "places/time_zones.h"

namespace kairotex {
namespace {

void BM_ResolveLocalTime(benchmark::State& bench, const char* zone_name, CivilTime local) {
  const TimeZone zone = *TimeZone::Load(zone_name);
  int minute = 0;
  for (auto _ : bench) {
    local.minute = minute = (minute + 7) % 60;  // a different minute each time
    const LocalTimeResolution r = ResolveLocalTime(zone, local, 10.0);
    benchmark::DoNotOptimize(r.utc_offset_seconds);
  }
}
BENCHMARK_CAPTURE(BM_ResolveLocalTime, Berlin2026, "Europe/Berlin", CivilTime{2026, 7, 1, 12})
    ->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_ResolveLocalTime, NewYork1900, "America/New_York", CivilTime{1900, 7, 1, 12})
    ->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_ResolveLocalTime, ParisOverlap, "Europe/Paris", CivilTime{1983, 9, 25, 2})
    ->Unit(benchmark::kNanosecond);

void BM_LoadZone(benchmark::State& bench) {
  for (auto _ : bench) benchmark::DoNotOptimize(TimeZone::Load("Australia/Melbourne"));
}
BENCHMARK(BM_LoadZone)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kairotex
