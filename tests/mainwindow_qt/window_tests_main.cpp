// Runs every registered window test class; the exit status is non-zero when
// any failed.
#include <QApplication>
#include <QTest>

#include "chartview/qt/gui_application.h"
#include "window_test_registry.h"

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
