#include "window_fixture.h"

#include <QMenu>

#include "chartview/qt/gui_application.h"
#include "chartview/qt/horary_font.h"
#include "mainwindow/program_start.h"

namespace kairotex::test {

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

QStringList MenuLines(const QMenuBar* bar) {
  QStringList lines;
  const auto add = [&lines](const QString& name, const QAction* action) {
    lines << name + "|" + action->text() + "|" + action->shortcut().toString() + "|" +
                 (action->isCheckable() ? "checkable" : "");
  };
  for (QAction* top : bar->actions()) {
    add(top->menu() ? top->menu()->objectName() : top->objectName(), top);
    if (top->menu() == nullptr) continue;
    for (QAction* action : top->menu()->actions()) {
      if (!action->isSeparator()) add("  " + action->objectName(), action);
    }
  }
  return lines;
}

QStringList GoldenLines(const char* name) {
  const std::string text = ReadText(SourceDir() + "/mainwindow_qt/golden/" + name);
  return QString::fromUtf8(text.c_str()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace kairotex::test

// Runs every registered window test class; non-zero when any failed.
int main(int argc, char** argv) {
  kairotex::InstallQuietMessageHandler();
  QApplication app(argc, argv);
  int failed = 0;
  for (const auto& [name, make] : kairotex::test::WindowTestClasses()) {
    const std::unique_ptr<QObject> test = make();
    failed += QTest::qExec(test.get(), argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
