// Speed of a report in the window: the Basics menu command writes the
// report into the buffer and shows it in the data window's text box.
// Target: under 50 ms.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

#include "bench_window.h"
#include "mainwindow/qt/data_window.h"

namespace kairotex {
namespace {

void BM_BasicsIntoTheDataWindow(benchmark::State& bench) {
  bench::BenchWindow w;
  QAction* basics = w.Command("mnuHoraryBasics");
  basics->trigger();  // the data window made once, as the first report does
  QApplication::processEvents();
  for (auto _ : bench) {
    basics->trigger();
    benchmark::DoNotOptimize(w.window->data_window()->text()->document());
    // Cleared now and then (the message is silent here), so that it never fills.
    if (w.context.reports.data_line_count() > 20000) {
      bench.PauseTiming();
      w.context.reports.ClearAllData();
      bench.ResumeTiming();
    }
  }
  bench.counters["report_lines"] = w.context.reports.report_line_count();
}
BENCHMARK(BM_BasicsIntoTheDataWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kairotex
