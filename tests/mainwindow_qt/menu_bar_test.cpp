// Every menu of the main window, every caption with its access key and every
// accelerator, as the program's design lists them.
#include <QMenuBar>
#include <QTest>

#include "window_fixture.h"

namespace kairotex::test {

class MenuBarTest : public QObject {
  Q_OBJECT
 private slots:
  void menusInOrderWithEveryCommandOnce();
  void commands_data();
  void commands();
};

void MenuBarTest::menusInOrderWithEveryCommandOnce() {
  WindowFixture f;
  QStringList titles;
  for (QAction* action : f.window->menuBar()->actions()) titles << action->text();
  QCOMPARE(titles, QStringList({"&File", "&House", "&Data", "&Elect", "&Update", "&Aspects",
                                "&Print", "&Options", "He&lp"}));
  // Aspects and Print are commands of their own on the menu bar.
  QCOMPARE(f.window->menuBar()->actions()[5]->objectName(), QStringLiteral("mnuAspects"));
  QCOMPARE(f.window->menuBar()->actions()[6]->objectName(), QStringLiteral("mnuPrintChartwheel"));
  QVERIFY(f.window->menuBar()->actions()[5]->menu() == nullptr);
  // The menu bar's own commands and those of its menus, 47 in all.
  QStringList names;
  for (QAction* top : f.window->menuBar()->actions()) {
    if (top->menu() == nullptr) {
      names << top->objectName();
      continue;
    }
    for (QAction* action : top->menu()->actions()) {
      if (!action->isSeparator()) names << action->objectName();
    }
  }
  QCOMPARE(names.size(), 47);
  names.removeDuplicates();
  QCOMPARE(names.size(), 47);
  // No two commands share a key.
  QSet<QString> keys;
  int with_key = 0;
  for (QAction* action : f.window->findChildren<QAction*>()) {
    if (action->shortcut().isEmpty()) continue;
    ++with_key;
    keys.insert(action->shortcut().toString());
  }
  QCOMPARE(keys.size(), with_key);
}

void MenuBarTest::commands_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("key");
  const char* rows[][4] = {
      {"mnuFileExit", "mnuFile", "E&xit", "F12"},
      {"mnuHousePlacidus", "mnuHouseSystem", "&Placidus", "Ctrl+F2"},
      {"mnuHouseRegiomontanus", "mnuHouseSystem", "&Regiomontanus", "Ctrl+F3"},
      {"mnuHouseKoch", "mnuHouseSystem", "&Koch", "Ctrl+F4"},
      {"mnuHouseCampanus", "mnuHouseSystem", "&Campanus", "Ctrl+F5"},
      {"mnuHousePorphyry", "mnuHouseSystem", "P&orphyry", "Ctrl+F6"},
      {"mnuHouseEqual", "mnuHouseSystem", "&Equal", "Ctrl+F7"},
      {"mnuHouseMeridian", "mnuHouseSystem", "&Meridian", "Ctrl+F8"},
      {"mnuHouseMorinus", "mnuHouseSystem", "Mor&inus", "Ctrl+F9"},
      {"mnuHoraryBasics", "mnuDataHorary", "&Basics", "F3"},
      {"mnuHoraryAlmutens", "mnuDataHorary", "&Almutens, Dispositors, Antiscions", "F4"},
      {"mnuHoraryOtherDegrees", "mnuDataHorary", "&Other Degrees and Dwads", "F5"},
      {"mnuDataCosmodynes", "mnuDataHorary", "&Cosmodynes", "Ctrl+C"},
      {"mnuDataMagiAspects", "mnuDataHorary", "&Magi Aspects", "Ctrl+Q"},
      {"mnuDataMagiDynes", "mnuDataHorary", "Magi Aspects and Cosmodynes", "Ctrl+M"},
      {"mnuHelioChart", "mnuElections", "Helio Chart", "Ctrl+H"},
      {"mnuElectionsRunning", "mnuElections", "Clock &Running", "F11"},
      {"mnuElectionsData", "mnuElections", "Change &Data", "F2"},
      {"mnuUpdateAddDay", "mnuUpdate", "&Add a Day", "Shift+F1"},
      {"mnuUpdateSubDay", "mnuUpdate", "&Go back a day", "Shift+F2"},
      {"mnuUpdateAddHour", "mnuUpdate", "Add an &hour", "Shift+F3"},
      {"mnuUpdateSubHour", "mnuUpdate", "Go &back an hour", "Shift+F4"},
      {"mnuUpdateAddMinute", "mnuUpdate", "Add a &minute", "Shift+F5"},
      {"mnuUpdateSubMinute", "mnuUpdate", "Go bac&k a minute", "Shift+F6"},
      {"mnuUpdateAddMultHour", "mnuUpdate", "Add multiple hours", "Shift+F7"},
      {"mnuUpdateSubMultHour", "mnuUpdate", "Go back multiple hours", "Shift+F8"},
      {"mnuUpdateAddMultMinute", "mnuUpdate", "Add multiple minutes", "Shift+F11"},
      {"mnuUpdateSubMultMinute", "mnuUpdate", "Go back multiple minutes", "Shift+F12"},
      {"mnuAspects", "", "&Aspects", ""},
      {"mnuPrintChartwheel", "", "&Print", ""},
      {"mnuOptionsOptions", "mnuOptions", "Optio&ns", "F6"},
      {"mnuCTAmerican", "mnuOptions", "&American", ""},
      {"mnuCTEuropean", "mnuOptions", "&European", "F8"},
      {"mnuOrbsChange", "mnuOptions", "&Select new orb file", "Ctrl+F11"},
      {"mnuOrbsEdit", "mnuOptions", "&Edit orb file", "Ctrl+F12"},
      {"mnuDeclinationChart", "mnuOptions", "Declination chart", "F9"},
      {"mnuHelpKAIROTEX", "mnuHelp", "&KAIROTEX Window", "F1"},
      {"mnuHelpOptions", "mnuHelp", "&Options Window", ""},
      {"mnuHelpOutputD1", "mnuHelp", "Da&ta Window", ""},
      {"mnuHelpSelect", "mnuHelp", "&Select A File Window", ""},
      {"mnuHelpPrntfile", "mnuHelp", "&File To Print  Window", ""},
      {"mnuHelpAboutWindow", "mnuHelp", "A&bout Window", ""},
      {"mnuHelpHints", "mnuHelp", "&Hints", ""},
      {"mnuShortcutKeys", "mnuHelp", "Shortcut &keys", ""},
      {"mnuHelpLicense", "mnuHelp", "&License Agreement", ""},
      {"mnuHelpRevisions", "mnuHelp", "Re&vision history", ""},
      {"mnuHelpAbout", "mnuHelp", "Abo&ut", ""},
  };
  for (const auto& row : rows) QTest::newRow(row[0]) << row[1] << row[2] << row[3];
}

void MenuBarTest::commands() {
  QFETCH(QString, menu);
  QFETCH(QString, caption);
  QFETCH(QString, key);
  WindowFixture f;
  const QString name = QString::fromLatin1(QTest::currentDataTag());
  QAction* action = f.window->findChild<QAction*>(name);
  QVERIFY2(action != nullptr, qPrintable(name));
  QCOMPARE(action->text(), caption);
  QCOMPARE(action->shortcut(), QKeySequence(key));
  // The settings carry a check mark; the commands do not.
  const QStringList settings = {"mnuElectionsRunning", "mnuHelioChart", "mnuDeclinationChart",
                                "mnuCTAmerican", "mnuCTEuropean"};
  QCOMPARE(action->isCheckable(), menu == "mnuHouseSystem" || settings.contains(name));
  if (!menu.isEmpty()) {
    QMenu* qmenu = f.window->findChild<QMenu*>(menu);
    QVERIFY(qmenu != nullptr);
    QVERIFY(qmenu->actions().contains(action));
  }
}

const RegisterWindowTest<MenuBarTest> registeredMenuBarTest("MenuBarTest");

}  // namespace kairotex::test

#include "menu_bar_test.moc"
