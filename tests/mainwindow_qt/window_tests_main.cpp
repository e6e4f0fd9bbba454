// Runs every window test class; the exit status is non-zero when any failed.
#include <QApplication>
#include <QTest>

#include "chartview/qt/gui_application.h"
#include "window_tests.h"

int main(int argc, char** argv) {
  kairotex::InstallQuietMessageHandler();
  QApplication app(argc, argv);
  int failed = 0;
  {
    kairotex::test::MenuBarTest test;
    failed += QTest::qExec(&test, argc, argv);
  }
  {
    kairotex::test::StartupTest test;
    failed += QTest::qExec(&test, argc, argv);
  }
  {
    kairotex::test::SteppingTest test;
    failed += QTest::qExec(&test, argc, argv);
  }
  {
    kairotex::test::SmallWindowsTest test;
    failed += QTest::qExec(&test, argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
