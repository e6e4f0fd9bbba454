// What start-up shows (check marks, caption, the TITLE window, the window's
// size), the refused second copy, Esc, and the keys that step the chart and
// choose houses, styles and views. The rules are the core's (tests/mainwindow).
#include <QApplication>
#include <QMenu>
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
    for (QAction* item : f.window->findChild<QMenu*>("mnuHouseSystem")->actions())
      QVERIFY2(item->isChecked() == (item->objectName() == "mnuHouseKoch"),
               qPrintable(item->objectName()));
    QVERIFY(f.Command("mnuElectionsRunning")->isChecked());
    QVERIFY(!f.Command("mnuHelioChart")->isChecked() &&
            !f.Command("mnuDeclinationChart")->isChecked());
    // The chart exists, so the style items are shown, American checked (no INI).
    QVERIFY(f.Command("mnuCTAmerican")->isVisible() && f.Command("mnuCTAmerican")->isChecked());
    QCOMPARE(f.window->timer()->interval(), 1000);
    WindowFixture european(
        [](const std::string& dir) { WriteText(dir + "/KAIROTEX.INI", "TypeChart= 1\r\n"); });
    QVERIFY(european.Command("mnuCTEuropean")->isChecked());
    QVERIFY(!european.Command("mnuCTAmerican")->isChecked());
  }

  void captionAndChartFollowTheClock() {
    WindowFixture f([](const std::string& dir) { WriteText(dir + "/MYNAME", "Ann\n"); });
    QCOMPARE(f.window->windowTitle(), QStringLiteral("KAIROTEX"));
    f.clock.Set({2026, 12, 7, 10, 30, 18}, 5);
    QTRY_VERIFY_WITH_TIMEOUT(f.window->windowTitle().contains("10:30:18"), 3000);  // the real timer
    f.window->timer()->stop();
    QVERIFY2(
        f.window->windowTitle().startsWith("Ann KAIROTEX (Tropical zodiac) - 07 Dec 2026     "),
        qPrintable(f.window->windowTitle()));
    const int paints = f.window->chart_view()->paint_count();
    f.clock.Set({2026, 12, 7, 10, 32, 0}, 5);
    f.window->Timer1_Timer();
    QCOMPARE(f.Heading(3), QStringLiteral("10.32 A.M. (5)"));
    QVERIFY(f.window->chart_view()->paint_count() > paints);
  }

  void titleWindowByOption48() {
    {
      WindowFixture f;
      QVERIFY(f.window->findChild<TitleWindow*>("TITLE") == nullptr);
    }
    WindowFixture f([](const std::string& dir) { SetOptionLine(dir, 48, "1"); });
    auto* title = f.window->findChild<TitleWindow*>("TITLE");
    QVERIFY(title != nullptr && title->isVisible() && title->isModal());
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

  void escBringsTheWindowToTheFrontAtTheScreenClassSize() {
    WindowFixture f;
    // 14050 x 11505 twips at 15 twips a pixel, the frame included.
    QCOMPARE(f.window->frameGeometry().size(), QSize(936, 767));
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QApplication::setActiveWindow(&other);
    f.window->findChild<QAction*>("BringToFront")->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
    QVERIFY(f.window->chart_view()->hasFocus());
    // Maximised, the window is left as it is by the next chart.
    f.window->showMaximized();
    QTest::qWait(50);
    const QSize maximised = f.window->size();
    f.Command("mnuUpdateAddDay")->trigger();
    QCOMPARE(f.window->size(), maximised);
  }

  void keysCheckTheItemsChosenAndStepTheChart() {
    WindowFixture f;
    QTest::keyClick(f.window.get(), Qt::Key_F4, Qt::ControlModifier);
    QCOMPARE(f.Heading(7), QStringLiteral("Koch"));
    f.Command("mnuHouseMeridian")->trigger();
    f.Command("mnuHouseMeridian")->trigger();  // chosen again, it stays checked
    QVERIFY(f.Command("mnuHouseMeridian")->isChecked() && !f.Command("mnuHouseKoch")->isChecked());
    QTest::keyClick(f.window.get(), Qt::Key_F8);
    QCOMPARE(f.context.window.TypeChart, int16_t{1});
    QVERIFY(f.Command("mnuCTEuropean")->isChecked() && !f.Command("mnuCTAmerican")->isChecked());
    QTest::keyClick(f.window.get(), Qt::Key_F9);
    QVERIFY(f.Command("mnuDeclinationChart")->isChecked());
    QVERIFY(f.Heading(1).endsWith(" - declinations"));
    QTest::keyClick(f.window.get(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(f.window.get(), Qt::Key_F9);
    QVERIFY(f.Command("mnuHelioChart")->isChecked() && f.Heading(1).endsWith(" - heliocentric"));
    QVERIFY(f.Command("mnuElectionsRunning")->isChecked());  // views keep the clock
    QTest::keyClick(f.window.get(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(f.Heading(3), QStringLiteral("11.30 A.M. (5)"));
    QVERIFY(!f.Command("mnuElectionsRunning")->isChecked());
    QTest::keyClick(f.window.get(), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(f.Heading(2), QStringLiteral("08 Dec 2026"));
    QTest::keyClick(f.window.get(), Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(f.Heading(3), QStringLiteral("11.29 A.M. (5)"));
  }
};

const RegisterWindowTest<StartupTest> registeredStartupTest("StartupTest");

}  // namespace kairotex::test

#include "startup_test.moc"
