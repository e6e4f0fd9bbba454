#include "window_fixture.h"

#include <QApplication>
#include <QTest>
#include <filesystem>

#include "chartview/qt/horary_font.h"
#include "mainwindow/program_start.h"

namespace kairotex::test {
namespace fs = std::filesystem;

WindowFixture::WindowFixture(const std::function<void(const std::string& dir)>& prepare) {
  dir = CopyOfDataDir("window");
  if (prepare) prepare(dir);
  ReadStartupSettings(context, dir, RegionalFormat{}, dir + "/MYNAME");
  context.screen = ScreenClassFor(1024, 15);
  CastFirstChart(context);
  // One font file for every window of the run: the font list is process-wide.
  window = std::make_unique<MainWindow>(context, LoadHoraryFont(DataDir()).family);
  window->on_shutdown = [this] { ++shutdowns; };
  window->ShowAtStartup();
  if (!QTest::qWaitForWindowExposed(window.get())) qWarning("the window was not exposed");
  QApplication::setActiveWindow(window.get());
}

WindowFixture::~WindowFixture() {
  window.reset();
  fs::remove_all(dir);
}

QAction* WindowFixture::Command(const char* name) const {
  return window->Command(QString::fromLatin1(name));
}

std::string WindowFixture::File(const char* name) const {
  return ReadText(dir + "/" + name);
}

}  // namespace kairotex::test
