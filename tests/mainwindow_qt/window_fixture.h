// One main window over a copy of the delivered files, with a clock the test
// sets and messages recorded instead of shown; and what the window tests
// share. main() runs each registered QtTest class in the order of their names.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "mainwindow/program_context.h"
#include "mainwindow/qt/main_window.h"
#include "option_lines.h"
#include "settable_clock.h"
#include "test_messages.h"
#include "test_paths.h"

namespace kairotex::test {
namespace fs = std::filesystem;

// 7 Dec 2026, 10:30:00 on a computer kept on zone 5 (New York), as option 18.
inline constexpr LocalDateTime kMorning{2026, 12, 7, 10, 30, 0};

class WindowFixture {
 public:
  // prepare may change the copied files before start-up reads them.
  explicit WindowFixture(const std::function<void(const std::string& dir)>& prepare = {});
  ~WindowFixture();

  QAction* Command(const char* name) const { return window->Command(QString::fromLatin1(name)); }
  std::string File(const char* name) const { return ReadText(dir + "/" + name); }
  QString Heading(int line) const {
    return QString::fromStdString(context.chart.ChartHeading[line]);
  }

  std::string dir;
  SettableClock clock{kMorning, 5};
  RecordingMessages messages;
  ProgramContext context{clock, messages};
  std::unique_ptr<MainWindow> window;
  int shutdowns = 0;
};

inline void Click(QWidget* parent, const char* button) {
  auto* found = parent->findChild<QPushButton*>(QString::fromLatin1(button));
  if (found == nullptr) qFatal("no button %s", button);
  QTest::mouseClick(found, Qt::LeftButton);
}

// A printer chooser that prints to a PDF file instead.
inline std::function<bool(QPrinter&)> PrintToPdfFile(const std::string& path) {
  return [path](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    return true;
  };
}

// Each menu and command of a menu bar as "name|caption|key|checkable".
QStringList MenuLines(const QMenuBar* bar);

// The lines of tests/mainwindow_qt/golden/<name>.
QStringList GoldenLines(const char* name);

using WindowTestFactory = std::unique_ptr<QObject> (*)();
inline std::map<std::string, WindowTestFactory>& WindowTestClasses() {
  static std::map<std::string, WindowTestFactory> classes;
  return classes;
}
template <class TestClass>
struct RegisterWindowTest {
  explicit RegisterWindowTest(const char* name) {
    WindowTestClasses()[name] = [] { return std::unique_ptr<QObject>(new TestClass); };
  }
};

}  // namespace kairotex::test
