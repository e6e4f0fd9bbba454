// Speed of one step in the window: Shift+F5 (add a minute) recasts the chart,
// refreshes the check marks and the window size and repaints the wheel on
// screen, as each key press and each minute of the running clock does.
// Target: under 16 ms, one frame.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "bench_chart.h"
#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "mainwindow/program_context.h"
#include "mainwindow/program_start.h"
#include "mainwindow/qt/chart_view.h"
#include "mainwindow/qt/main_window.h"

namespace kairotex {
namespace {
namespace fs = std::filesystem;

// A copy of the delivered files the window may write its settings into.
std::string CopyOfDeliveredData() {
  const fs::path dir = fs::temp_directory_path() / ("kairotex-window-bench-" +
                                                    std::to_string(::getpid()));
  fs::create_directories(dir);
  for (const auto& entry : fs::directory_iterator(KAIROTEX_BENCH_DATA_DIR)) {
    fs::copy_file(entry.path(), dir / entry.path().filename(),
                  fs::copy_options::overwrite_existing);
  }
  return dir.string();
}

void BM_StepInTheWindow(benchmark::State& bench, const char* command, int16_t style) {
  // Widgets want a QApplication.
  EnsureGuiApplication([](int& argc, char** argv) -> QGuiApplication* {
    return new QApplication(argc, argv);
  });
  const std::string dir = CopyOfDeliveredData();
  const FixedClock clock({2026, 12, 7, 10, 30, 0}, 5);
  bench::SilentMessages messages;
  ProgramContext context{clock, messages};
  ReadStartupSettings(context, dir, RegionalFormat{}, dir + "/MYNAME");
  context.screen = ScreenClassFor(1024, 15);
  context.window.TypeChart = style;
  CastFirstChart(context);
  {
    MainWindow window(context, LoadHoraryFont(KAIROTEX_BENCH_DATA_DIR).family);
    window.on_shutdown = [] {};
    window.ShowAtStartup();
    QApplication::processEvents();
    QAction* step = window.Command(QString::fromLatin1(command));
    const int paints_before = window.chart_view()->paint_count();
    for (auto _ : bench) {
      step->trigger();
      benchmark::DoNotOptimize(context.chart);
    }
    // One paint per step shows the measured time includes the drawing.
    bench.counters["paints_per_step"] = benchmark::Counter(
        window.chart_view()->paint_count() - paints_before, benchmark::Counter::kAvgIterations);
  }
  fs::remove_all(dir);
}
BENCHMARK_CAPTURE(BM_StepInTheWindow, AddMinuteAmerican, "mnuUpdateAddMinute", kAmericanStyle)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StepInTheWindow, AddDayEuropean, "mnuUpdateAddDay", kEuropeanStyle)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StepInTheWindow, KochHouses, "mnuHouseKoch", kAmericanStyle)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kairotex
