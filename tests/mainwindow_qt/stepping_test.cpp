// The Update menu, the clock, the house menu, the chart styles and views.
#include <QTest>
#include <QTimer>

#include "mainwindow/qt/chart_view.h"
#include "window_test_registry.h"
#include "window_tests.h"

namespace kairotex::test {
namespace {

QString Heading(const WindowFixture& f, int line) {
  return QString::fromStdString(f.context.chart.ChartHeading[line]);
}

void StopClockAt(WindowFixture& f, int year, int month, int day) {
  f.Command("mnuElectionsRunning")->trigger();
  f.context.election.Year = static_cast<int16_t>(year);
  f.context.election.Month = static_cast<int16_t>(month);
  f.context.election.Day = static_cast<int16_t>(day);
}

}  // namespace

void SteppingTest::keysStepTheChartAndStopTheClock() {
  WindowFixture f;
  QCOMPARE(Heading(f, 3), QStringLiteral("10.30 A.M. (5)"));
  for (int i = 0; i < 3; ++i) QTest::keyClick(f.window.get(), Qt::Key_F3, Qt::ShiftModifier);
  QCOMPARE(Heading(f, 3), QStringLiteral("1.30 P.M. (5)"));
  QVERIFY(!f.Command("mnuElectionsRunning")->isChecked());
  QTest::keyClick(f.window.get(), Qt::Key_F4, Qt::ControlModifier);
  QCOMPARE(Heading(f, 7), QStringLiteral("Koch"));
  QVERIFY(f.Command("mnuHouseKoch")->isChecked());
  QVERIFY(!f.Command("mnuHousePlacidus")->isChecked());
  QTest::keyClick(f.window.get(), Qt::Key_F1, Qt::ShiftModifier);
  QCOMPARE(Heading(f, 2), QStringLiteral("08 Dec 2026"));
  QTest::keyClick(f.window.get(), Qt::Key_F6, Qt::ShiftModifier);
  QCOMPARE(Heading(f, 3), QStringLiteral("1.29 P.M. (5)"));
}

void SteppingTest::februaryOfTheCivilCalendar() {
  WindowFixture f;
  StopClockAt(f, 1900, 3, 1);
  f.Command("mnuUpdateSubDay")->trigger();
  QCOMPARE(Heading(f, 2), QStringLiteral("28 Feb 1900"));
  StopClockAt(f, 2000, 3, 1);
  f.Command("mnuUpdateSubDay")->trigger();
  QCOMPARE(Heading(f, 2), QStringLiteral("29 Feb 2000"));
  QVERIFY(f.messages.texts.empty());
}

void SteppingTest::multipleStepsRepaintEachStep() {
  WindowFixture f([](const std::string& dir) {
    SetOptionLine(dir, 13, "3");
    SetOptionLine(dir, 16, "0");
  });
  const int before = f.window->chart_view()->paint_count();
  f.Command("mnuUpdateAddMultHour")->trigger();
  QCOMPARE(Heading(f, 3), QStringLiteral("1.30 P.M. (5)"));
  QVERIFY(f.window->chart_view()->paint_count() >= before + 3);
  QVERIFY(!f.Command("mnuElectionsRunning")->isChecked());
  f.Command("mnuUpdateSubMultMinute")->trigger();  // option 16 = 0: nothing
  QCOMPARE(Heading(f, 3), QStringLiteral("1.30 P.M. (5)"));
}

void SteppingTest::clockRecastsOnlyOnTheZeroTick() {
  WindowFixture f;
  f.window->timer()->stop();  // the ticks come from the test
  f.clock.Set({2026, 12, 7, 10, 31, 59}, 5);
  f.window->Timer1_Timer();
  QCOMPARE(Heading(f, 3), QStringLiteral("10.30 A.M. (5)"));
  const int paints = f.window->chart_view()->paint_count();
  f.clock.Set({2026, 12, 7, 10, 32, 0}, 5);
  f.window->Timer1_Timer();
  QCOMPARE(Heading(f, 3), QStringLiteral("10.32 A.M. (5)"));
  QVERIFY(f.window->chart_view()->paint_count() > paints);
  // Stopped, the minute tick leaves the chart alone.
  f.Command("mnuElectionsRunning")->trigger();
  f.clock.Set({2026, 12, 7, 10, 33, 0}, 5);
  f.window->Timer1_Timer();
  QCOMPARE(Heading(f, 3), QStringLiteral("10.32 A.M. (5)"));
  QVERIFY(f.window->windowTitle().contains("10:33:00"));
}

void SteppingTest::houseMenuKeepsTheClock() {
  WindowFixture f;
  f.Command("mnuHouseMeridian")->trigger();
  QVERIFY(f.Command("mnuElectionsRunning")->isChecked());
  QVERIFY(f.Command("mnuHouseMeridian")->isChecked());
  QVERIFY(!f.Command("mnuHousePlacidus")->isChecked());
  QCOMPARE(Heading(f, 7), QStringLiteral("Meridian"));
  // Choosing the checked item again keeps it checked.
  f.Command("mnuHouseMeridian")->trigger();
  QVERIFY(f.Command("mnuHouseMeridian")->isChecked());
}

void SteppingTest::styleAndViewsToggle() {
  WindowFixture f;
  QTest::keyClick(f.window.get(), Qt::Key_F8);
  QCOMPARE(f.context.window.TypeChart, int16_t{1});
  QVERIFY(f.Command("mnuCTEuropean")->isChecked());
  QVERIFY(!f.Command("mnuCTAmerican")->isChecked());
  f.Command("mnuCTAmerican")->trigger();
  QCOMPARE(f.context.window.TypeChart, int16_t{0});
  QVERIFY(f.Command("mnuCTAmerican")->isChecked());

  QTest::keyClick(f.window.get(), Qt::Key_F9);
  QVERIFY(f.Command("mnuDeclinationChart")->isChecked());
  QVERIFY(Heading(f, 1).endsWith(" - declinations"));
  QTest::keyClick(f.window.get(), Qt::Key_H, Qt::ControlModifier);
  QVERIFY(f.Command("mnuHelioChart")->isChecked());
  QVERIFY(Heading(f, 1).endsWith(" - declinations"));  // both checked: declinations
  QTest::keyClick(f.window.get(), Qt::Key_F9);
  QVERIFY(Heading(f, 1).endsWith(" - heliocentric"));
  f.Command("mnuHelioChart")->trigger();
  QVERIFY(!Heading(f, 1).endsWith(" - heliocentric"));
  QVERIFY(f.Command("mnuElectionsRunning")->isChecked());  // views keep the clock
}

void SteppingTest::stepPastTheLastYearIsRefused() {
  WindowFixture f;
  StopClockAt(f, 2099, 12, 31);
  f.context.election.Hour = 11;
  f.context.election.PmFlag = 1;
  f.Command("mnuUpdateSubMinute")->trigger();
  QCOMPARE(Heading(f, 2), QStringLiteral("31 Dec 2099"));
  f.Command("mnuUpdateAddHour")->trigger();
  QCOMPARE(f.messages.texts.size(), size_t{1});
  QCOMPARE(QString::fromStdString(f.messages.texts[0]),
           QStringLiteral("Error in election data. Please correct."));
  QCOMPARE(Heading(f, 2), QStringLiteral("31 Dec 2099"));
  QCOMPARE(Heading(f, 3), QStringLiteral("11.29 P.M. (5)"));
}

const RegisterWindowTest<SteppingTest> registeredSteppingTest("SteppingTest");

}  // namespace kairotex::test
