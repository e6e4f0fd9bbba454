// Speed of opening "Election Data" (F2): the dialog made, filled from the
// record with the chart's angles, shown, its events processed, and closed.
// Target: under 50 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench_window.h"
#include "mainwindow/qt/election_dialog.h"

namespace kairotex {
namespace {

void BM_OpenElectionDialog(benchmark::State& bench) {
  bench::BenchWindow w;
  for (auto _ : bench) {
    ElectionDialog dialog(w.context, w.window.get());
    dialog.show();
    QApplication::processEvents();
    dialog.cmdCancel_Click();
    benchmark::DoNotOptimize(dialog.result());
  }
}
BENCHMARK(BM_OpenElectionDialog)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace kairotex
