// The atlas: reading the delivered ATLAS.DAT (target under 30 ms), a search
// by the start of a name as the Place box runs it at every key (under 5 ms),
// and the memory the read atlas holds (under 10 MiB).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "places/atlas.h"

namespace kairotex {
namespace {

std::string AtlasPath() {
  return std::string(KAIROTEX_BENCH_DATA_DIR) + "/" + kAtlasFileName;
}

void BM_LoadAtlas(benchmark::State& bench) {
  for (auto _ : bench) {
    Atlas atlas = Atlas::Load(AtlasPath());
    benchmark::DoNotOptimize(atlas);
  }
}
BENCHMARK(BM_LoadAtlas)->Unit(benchmark::kMillisecond);

void BM_SearchAtlas(benchmark::State& bench, const char* query) {
  const Atlas atlas = Atlas::Load(AtlasPath());
  size_t found = 0;
  for (auto _ : bench) {
    const std::vector<const AtlasPlace*> places = atlas.Search(query, 12);
    found = places.size();
    benchmark::DoNotOptimize(places.data());
  }
  bench.counters["found"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_SearchAtlas, San, "San")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchAtlas, Spring, "Spring")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchAtlas, S, "S")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchAtlas, SpringfieldIl, "springfield, il")->Unit(benchmark::kMicrosecond);

// The heap the read atlas holds, from the allocator's own count.
void BM_AtlasMemory(benchmark::State& bench) {
  double mebibytes = 0;
  for (auto _ : bench) {
    const size_t before = mallinfo2().uordblks;
    const Atlas atlas = Atlas::Load(AtlasPath());
    const size_t after = mallinfo2().uordblks;
    mebibytes = static_cast<double>(after - before) / (1024.0 * 1024.0);
    benchmark::DoNotOptimize(atlas.size());
  }
  bench.counters["MiB"] = mebibytes;
}
BENCHMARK(BM_AtlasMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kairotex
