// What start-up shows: check marks, the caption, the TITLE window, the
// refused second copy, Esc and the window's size.
#include <QApplication>
#include <QSysInfo>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "mainwindow/qt/chart_view.h"
#include "mainwindow/qt/single_copy.h"
#include "mainwindow/qt/title_window.h"
#include "window_fixture.h"

namespace kairotex::test {

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void checkMarksFromTheOptionsAndTheSettingsFile() {
    WindowFixture f([](const std::string& dir) { SetOptionLine(dir, 27, "3"); });
    for (const char* name :
         {"mnuHousePlacidus", "mnuHouseRegiomontanus", "mnuHouseKoch", "mnuHouseCampanus",
          "mnuHousePorphyry", "mnuHouseEqual", "mnuHouseMeridian", "mnuHouseMorinus"}) {
      QVERIFY2(f.Command(name)->isChecked() == (std::string(name) == "mnuHouseKoch"), name);
    }
    QVERIFY(f.Command("mnuElectionsRunning")->isChecked());
    QVERIFY(!f.Command("mnuHelioChart")->isChecked());
    QVERIFY(!f.Command("mnuDeclinationChart")->isChecked());
    // The chart exists, so the style items are shown, American checked (no INI).
    QVERIFY(f.Command("mnuCTAmerican")->isVisible());
    QVERIFY(f.Command("mnuCTAmerican")->isChecked() && !f.Command("mnuCTEuropean")->isChecked());
    QVERIFY(f.window->timer()->isActive());
    QCOMPARE(f.window->timer()->interval(), 1000);

    WindowFixture european(
        [](const std::string& dir) { WriteText(dir + "/KAIROTEX.INI", "TypeChart= 1\r\n"); });
    QVERIFY(european.Command("mnuCTEuropean")->isChecked());
    QVERIFY(!european.Command("mnuCTAmerican")->isChecked());
  }

  void captionAfterATick() {
    WindowFixture f([](const std::string& dir) { WriteText(dir + "/MYNAME", "Ann\n"); });
    QCOMPARE(f.window->windowTitle(), QStringLiteral("KAIROTEX"));
    f.clock.Set({2026, 12, 7, 10, 30, 17}, 5);
    f.window->Timer1_Timer();
    const QString caption = f.window->windowTitle();
    QVERIFY2(caption.startsWith("Ann KAIROTEX (Tropical zodiac) - 07 Dec 2026     10:30:17"),
             qPrintable(caption));
    // The real timer writes it too.
    f.clock.Set({2026, 12, 7, 10, 30, 18}, 5);
    QTRY_VERIFY_WITH_TIMEOUT(f.window->windowTitle().contains("10:30:18"), 3000);
  }

  void titleWindowByOption48() {
    {
      WindowFixture f;
      QVERIFY(f.window->findChild<TitleWindow*>("TITLE") == nullptr);
    }
    WindowFixture f([](const std::string& dir) { SetOptionLine(dir, 48, "1"); });
    auto* title = f.window->findChild<TitleWindow*>("TITLE");
    QVERIFY(title != nullptr);
    QVERIFY(title->isVisible() && title->isModal());
    Click(title, "cmdOK");
    QTRY_VERIFY(f.window->findChild<TitleWindow*>("TITLE") == nullptr);
  }

  void secondCopyIsRefused() {
    const std::string dir = MakeTempDir("lock");
    SingleCopyLock first(dir), second(dir);
    QCOMPARE(first.Acquire(), SingleCopyLock::Result::kAcquired);
    QCOMPARE(second.Acquire(), SingleCopyLock::Result::kHeldByAnotherCopy);
    // A lock left by a run that crashed (its process is gone) is taken over.
    const std::string stale = MakeTempDir("stale-lock");
    WriteText(stale + "/kairotex.lock",
              "2147483000\nkairotex\n" + QSysInfo::machineHostName().toStdString() + "\n");
    SingleCopyLock after_crash(stale);
    QCOMPARE(after_crash.Acquire(), SingleCopyLock::Result::kAcquired);
    // No folder: no lock, and not another copy either.
    SingleCopyLock nowhere(dir + "/missing/folder");
    QCOMPARE(nowhere.Acquire(), SingleCopyLock::Result::kUnavailable);
    std::filesystem::remove_all(stale);
  }

  void escBringsTheWindowToTheFront() {
    WindowFixture f;
    QAction* to_front = f.window->findChild<QAction*>("BringToFront");
    QVERIFY(to_front != nullptr);
    QCOMPARE(to_front->shortcut(), QKeySequence(Qt::Key_Escape));
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QApplication::setActiveWindow(&other);
    to_front->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
    QVERIFY(f.window->chart_view()->hasFocus());
  }

  void windowTakesTheScreenClassSize() {
    WindowFixture f;
    // 14050 x 11505 twips at 15 twips a pixel, the frame included.
    QCOMPARE(f.window->frameGeometry().size(), QSize(936, 767));
    QVERIFY(f.window->chart_view()->paint_count() > 0);
    // Maximised, the window is left as it is by the next chart.
    f.window->showMaximized();
    QTest::qWait(50);
    const QSize maximised = f.window->size();
    f.Command("mnuUpdateAddDay")->trigger();
    QCOMPARE(f.window->size(), maximised);
  }
};

const RegisterWindowTest<StartupTest> registeredStartupTest("StartupTest");

}  // namespace kairotex::test

#include "startup_test.moc"
