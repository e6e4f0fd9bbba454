// Every menu of the main window in order, each command's caption with its
// access key, its accelerator and whether it carries a check mark.
#include <QMenuBar>
#include <QSet>
#include <QTest>

#include "window_fixture.h"

namespace kairotex::test {

class MenuBarTest : public QObject {
  Q_OBJECT
 private slots:
  void menusAsDesigned() {
    WindowFixture f;
    QCOMPARE(MenuLines(f.window->menuBar()), GoldenLines("main_menus.txt"));
    // No two commands share a key, the hidden ones included.
    QSet<QString> keys;
    int with_key = 0;
    for (QAction* action : f.window->findChildren<QAction*>()) {
      if (action->shortcut().isEmpty()) continue;
      ++with_key;
      keys.insert(action->shortcut().toString());
    }
    QCOMPARE(keys.size(), with_key);
  }
};

const RegisterWindowTest<MenuBarTest> registeredMenuBarTest("MenuBarTest");

}  // namespace kairotex::test

#include "menu_bar_test.moc"
