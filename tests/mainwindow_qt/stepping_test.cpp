// The Update menu's keys, the clock's tick, and the check marks of the house
// menu, the chart styles and the views; the stepping rules themselves are
// the core's (tests/mainwindow).
#include <QTest>
#include <QTimer>

#include "mainwindow/qt/chart_view.h"
#include "window_fixture.h"

namespace kairotex::test {

class SteppingTest : public QObject {
  Q_OBJECT
 private slots:
  void keysStepTheChartAndStopTheClock() {
    WindowFixture f;
    QCOMPARE(f.Heading(3), QStringLiteral("10.30 A.M. (5)"));
    for (int i = 0; i < 3; ++i) QTest::keyClick(f.window.get(), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(f.Heading(3), QStringLiteral("1.30 P.M. (5)"));
    QVERIFY(!f.Command("mnuElectionsRunning")->isChecked());
    QTest::keyClick(f.window.get(), Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(f.Heading(2), QStringLiteral("08 Dec 2026"));
    QTest::keyClick(f.window.get(), Qt::Key_F2, Qt::ShiftModifier);
    QCOMPARE(f.Heading(2), QStringLiteral("07 Dec 2026"));
    QTest::keyClick(f.window.get(), Qt::Key_F6, Qt::ShiftModifier);
    QCOMPARE(f.Heading(3), QStringLiteral("1.29 P.M. (5)"));
  }

  void multipleStepsRepaintEachStep() {
    WindowFixture f([](const std::string& dir) {
      SetOptionLine(dir, 13, "3");
      SetOptionLine(dir, 16, "0");
    });
    const int before = f.window->chart_view()->paint_count();
    f.Command("mnuUpdateAddMultHour")->trigger();
    QCOMPARE(f.Heading(3), QStringLiteral("1.30 P.M. (5)"));
    QVERIFY(f.window->chart_view()->paint_count() >= before + 3);
    QVERIFY(!f.Command("mnuElectionsRunning")->isChecked());
    f.Command("mnuUpdateSubMultMinute")->trigger();  // option 16 = 0: nothing
    QCOMPARE(f.Heading(3), QStringLiteral("1.30 P.M. (5)"));
  }

  void clockRecastsOnlyOnTheZeroTick() {
    WindowFixture f;
    f.window->timer()->stop();  // the ticks come from the test
    f.clock.Set({2026, 12, 7, 10, 31, 59}, 5);
    f.window->Timer1_Timer();
    QCOMPARE(f.Heading(3), QStringLiteral("10.30 A.M. (5)"));
    const int paints = f.window->chart_view()->paint_count();
    f.clock.Set({2026, 12, 7, 10, 32, 0}, 5);
    f.window->Timer1_Timer();
    QCOMPARE(f.Heading(3), QStringLiteral("10.32 A.M. (5)"));
    QVERIFY(f.window->chart_view()->paint_count() > paints);
    // Stopped, the minute tick leaves the chart alone.
    f.Command("mnuElectionsRunning")->trigger();
    f.clock.Set({2026, 12, 7, 10, 33, 0}, 5);
    f.window->Timer1_Timer();
    QCOMPARE(f.Heading(3), QStringLiteral("10.32 A.M. (5)"));
    QVERIFY(f.window->windowTitle().contains("10:33:00"));
  }

  void houseStyleAndViewItemsAreCheckedAsChosen() {
    WindowFixture f;
    QTest::keyClick(f.window.get(), Qt::Key_F4, Qt::ControlModifier);
    QCOMPARE(f.Heading(7), QStringLiteral("Koch"));
    QVERIFY(f.Command("mnuHouseKoch")->isChecked());
    QVERIFY(!f.Command("mnuHousePlacidus")->isChecked());
    f.Command("mnuHouseMeridian")->trigger();
    f.Command("mnuHouseMeridian")->trigger();  // chosen again, it stays checked
    QVERIFY(f.Command("mnuHouseMeridian")->isChecked());
    QVERIFY(!f.Command("mnuHouseKoch")->isChecked());
    QCOMPARE(f.Heading(7), QStringLiteral("Meridian"));

    QTest::keyClick(f.window.get(), Qt::Key_F8);
    QCOMPARE(f.context.window.TypeChart, int16_t{1});
    QVERIFY(f.Command("mnuCTEuropean")->isChecked() && !f.Command("mnuCTAmerican")->isChecked());
    f.Command("mnuCTAmerican")->trigger();
    QCOMPARE(f.context.window.TypeChart, int16_t{0});
    QVERIFY(f.Command("mnuCTAmerican")->isChecked() && !f.Command("mnuCTEuropean")->isChecked());

    QTest::keyClick(f.window.get(), Qt::Key_F9);
    QVERIFY(f.Command("mnuDeclinationChart")->isChecked());
    QVERIFY(f.Heading(1).endsWith(" - declinations"));
    QTest::keyClick(f.window.get(), Qt::Key_H, Qt::ControlModifier);
    QVERIFY(f.Command("mnuHelioChart")->isChecked());
    QTest::keyClick(f.window.get(), Qt::Key_F9);
    QVERIFY(f.Heading(1).endsWith(" - heliocentric"));
    QVERIFY(f.Command("mnuElectionsRunning")->isChecked());  // views keep the clock
  }
};

const RegisterWindowTest<SteppingTest> registeredSteppingTest("SteppingTest");

}  // namespace kairotex::test

#include "stepping_test.moc"
