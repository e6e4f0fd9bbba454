// Speed of one step in the window: Shift+F5 (add a minute) recasts the chart,
// refreshes the check marks and the window size and repaints the wheel on
// screen, as each key press and each minute of the running clock does.
// Target: under 16 ms, one frame.
#include <benchmark/benchmark.h>

#include <QAction>

#include "bench_window.h"
#include "mainwindow/qt/chart_view.h"

namespace kairotex {
namespace {

void BM_StepInTheWindow(benchmark::State& bench, const char* command, int16_t style) {
  bench::BenchWindow w(style);
  QAction* step = w.Command(command);
  const int paints_before = w.window->chart_view()->paint_count();
  for (auto _ : bench) {
    step->trigger();
    benchmark::DoNotOptimize(w.context.chart);
  }
  // One paint per step shows the measured time includes the drawing.
  bench.counters["paints_per_step"] = benchmark::Counter(
      w.window->chart_view()->paint_count() - paints_before, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_StepInTheWindow, AddMinuteAmerican, "mnuUpdateAddMinute", kAmericanStyle)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StepInTheWindow, AddDayEuropean, "mnuUpdateAddDay", kEuropeanStyle)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StepInTheWindow, KochHouses, "mnuHouseKoch", kAmericanStyle)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kairotex
