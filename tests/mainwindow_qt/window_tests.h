// The QtTest classes of the window program, run one after the other by
// window_tests_main.cpp on the offscreen platform.
#pragma once

#include <QObject>

#include "window_fixture.h"

namespace kairotex::test {

class MenuBarTest : public QObject {
  Q_OBJECT
 private slots:
  void menusInOrder();
  void commands_data();
  void commands();
  void everyCommandOnce();
  void settingsAreCheckable();
};

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void checkMarksFromTheOptions();
  void captionAfterATick();
  void presentMomentFromTheInjectedClock();
  void titleWindowByOption48();
  void secondCopyIsRefused();
  void escBringsTheWindowToTheFront();
  void windowTakesTheScreenClassSize();
};

class SteppingTest : public QObject {
  Q_OBJECT
 private slots:
  void keysStepTheChartAndStopTheClock();
  void februaryOfTheCivilCalendar();
  void multipleStepsRepaintEachStep();
  void clockRecastsOnlyOnTheZeroTick();
  void houseMenuKeepsTheClock();
  void styleAndViewsToggle();
  void stepPastTheLastYearIsRefused();
};

class SmallWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void optionsEditorSaveQuitRestore();
  void optionsEditorWithoutItsFile();
  void helpWindowShowsEachFile();
  void helpWindowMissingFile();
  void aboutWindowClosesOnAClick();
  void shutdownWritesTheSettings();
  void printsBothPagesToPdf();
  void printCancelPrintsNothing();
};

}  // namespace kairotex::test
