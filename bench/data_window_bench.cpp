// Speed of a report in the window: the Basics menu command writes the
// report into the buffer and shows it in the data window's text box.
// Target: under 50 ms.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <filesystem>
#include <string>

#include "bench_chart.h"
#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "mainwindow/program_context.h"
#include "mainwindow/program_start.h"
#include "mainwindow/qt/data_window.h"
#include "mainwindow/qt/main_window.h"

namespace kairotex {
namespace {
namespace fs = std::filesystem;

// A copy of the delivered files the window may write its settings into.
std::string CopyOfDeliveredData() {
  const fs::path dir =
      fs::temp_directory_path() / ("kairotex-data-window-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (const auto& entry : fs::directory_iterator(KAIROTEX_BENCH_DATA_DIR)) {
    fs::copy_file(entry.path(), dir / entry.path().filename(),
                  fs::copy_options::overwrite_existing);
  }
  return dir.string();
}

void BM_BasicsIntoTheDataWindow(benchmark::State& bench) {
  EnsureGuiApplication(
      [](int& argc, char** argv) -> QGuiApplication* { return new QApplication(argc, argv); });
  const std::string dir = CopyOfDeliveredData();
  const FixedClock clock({2026, 12, 7, 10, 30, 0}, 5);
  bench::SilentMessages messages;
  ProgramContext context{clock, messages};
  ReadStartupSettings(context, dir, RegionalFormat{}, dir + "/MYNAME");
  context.screen = ScreenClassFor(1024, 15);
  CastFirstChart(context);
  {
    MainWindow window(context, LoadHoraryFont(KAIROTEX_BENCH_DATA_DIR).family);
    window.on_shutdown = [] {};
    window.ShowAtStartup();
    QApplication::processEvents();
    QAction* basics = window.Command(QStringLiteral("mnuHoraryBasics"));
    basics->trigger();  // the data window made once, as the first report does
    QApplication::processEvents();
    for (auto _ : bench) {
      basics->trigger();
      benchmark::DoNotOptimize(window.data_window()->text()->document());
      // Cleared now and then (the message is silent here), so that it never fills.
      if (context.reports.data_line_count() > 20000) {
        bench.PauseTiming();
        context.reports.ClearAllData();
        bench.ResumeTiming();
      }
    }
    bench.counters["report_lines"] = context.reports.report_line_count();
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_BasicsIntoTheDataWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kairotex
