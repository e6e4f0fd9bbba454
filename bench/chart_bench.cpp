// Start-up costs: the data files, and the command line end to end (the whole
// chart in each house system is timed by engine_bench).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>

#include "bench_chart.h"

extern char** environ;

namespace kairotex {
namespace {

void BM_LoadDataFiles(benchmark::State& bench) {
  for (auto _ : bench) {
    DataTables tables = LoadDataFiles(KAIROTEX_BENCH_DATA_DIR);
    benchmark::DoNotOptimize(tables.ChironGeoLon.data());
  }
  bench.SetLabel("HCDATA, RADIUS, four almuten tables, CHIRON, CHIRON_HELIO");
}
BENCHMARK(BM_LoadDataFiles)->Unit(benchmark::kMillisecond);

// The process as a user starts it: start-up, one chart, JSON out (to /dev/null).
void BM_CliChartJsonProcess(benchmark::State& bench) {
  const char* argv[] = {KAIROTEX_CLI_PATH, "chart",  "--date", "2026-12-06", "--time",
                        "10:49",           "--zone", "5",      "--lon",      "73w59",
                        "--lat",           "40n45",  "--json", nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 01 /*O_WRONLY*/, 0);
  for (auto _ : bench) {
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, const_cast<char**>(argv), environ) != 0) {
      bench.SkipWithError("cannot start kairotex-cli");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      bench.SkipWithError("kairotex-cli failed");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}
BENCHMARK(BM_CliChartJsonProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kairotex
