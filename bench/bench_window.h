// What the window benchmarks share: an offscreen QApplication, and a main
// window at 1024 x 768 over a copy of the delivered files with the clock at
// 7 Dec 2026, 10.30 A.M. in New York, removed again at the end.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_chart.h"
#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "mainwindow/program_context.h"
#include "mainwindow/program_start.h"
#include "mainwindow/qt/main_window.h"

namespace kairotex::bench {

class BenchWindow {
 public:
  explicit BenchWindow(int16_t chart_style = 0) {
    // Widgets want a QApplication.
    EnsureGuiApplication(
        [](int& argc, char** argv) -> QGuiApplication* { return new QApplication(argc, argv); });
    namespace fs = std::filesystem;
    dir_ = fs::temp_directory_path() / ("kairotex-window-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    for (const auto& entry : fs::directory_iterator(KAIROTEX_BENCH_DATA_DIR)) {
      fs::copy_file(entry.path(), dir_ / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
    }
    const std::string dir = dir_.string();
    ReadStartupSettings(context, dir, RegionalFormat{}, dir + "/MYNAME");
    context.screen = ScreenClassFor(1024, 15);
    context.window.TypeChart = chart_style;
    CastFirstChart(context);
    window = std::make_unique<MainWindow>(context, LoadHoraryFont(KAIROTEX_BENCH_DATA_DIR).family);
    window->on_shutdown = [] {};
    window->ShowAtStartup();
    QApplication::processEvents();
  }
  ~BenchWindow() {
    window.reset();
    std::filesystem::remove_all(dir_);
  }
  BenchWindow(const BenchWindow&) = delete;
  BenchWindow& operator=(const BenchWindow&) = delete;

  QAction* Command(const char* name) const { return window->Command(QString::fromLatin1(name)); }

 private:
  std::filesystem::path dir_;
  const FixedClock clock_{{2026, 12, 7, 10, 30, 0}, 5};
  SilentMessages messages_;

 public:
  ProgramContext context{clock_, messages_};
  std::unique_ptr<MainWindow> window;
};

}  // namespace kairotex::bench
