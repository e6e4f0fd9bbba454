// The election data dialog driven by keys and clicks, and opened by F2.
#pragma once

#include <QObject>

namespace kairotex::test {

class ElectionDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void opensFilledWithTheClockStopped();
  void hourBoxTakesTwentyFourHourEntries();
  void checksOnOk_data();
  void checksOnOk();
  void eastAndWestFlipTheZone();
  void plusFourTimesMovesMidheavenAndClock();
  void numericBoxesRefuseLetters();
  void okStoresAndCancelLeaves();
  void fitsSmallScreens();
  void f2OpensItAndOkRecasts();
  void newAnglesThenCancelShowsTheNewChart();
};

}  // namespace kairotex::test
