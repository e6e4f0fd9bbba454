// One main window over a copy of the delivered files, with a clock the test
// sets and messages that are recorded instead of shown; and what the window
// tests share.
#pragma once

#include <QAction>
#include <QPrinter>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <functional>
#include <memory>
#include <string>

#include "mainwindow/program_context.h"
#include "mainwindow/qt/main_window.h"
#include "option_lines.h"
#include "settable_clock.h"
#include "test_messages.h"
#include "test_paths.h"
#include "window_test_registry.h"

namespace kairotex::test {

// 7 Dec 2026, 10:30:00 on a computer kept on zone 5 (New York), as option 18.
inline constexpr LocalDateTime kMorning{2026, 12, 7, 10, 30, 0};

class WindowFixture {
 public:
  // prepare may change the copied files before start-up reads them.
  explicit WindowFixture(const std::function<void(const std::string& dir)>& prepare = {});
  ~WindowFixture();

  QAction* Command(const char* name) const;
  std::string File(const char* name) const;
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

}  // namespace kairotex::test
