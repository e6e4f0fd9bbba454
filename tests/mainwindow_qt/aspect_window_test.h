// The aspect window and the orb commands in the window program.
#pragma once

#include <QObject>

namespace kairotex::test {

class AspectWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void listIsTheChartsAspectsAndAStepClosesIt();
  void chosenOrbFileHoldsUntilTheNextStep();
  void missingOrbFileOpensNothing();
  void orbEditorSavesAndQuits();
};

}  // namespace kairotex::test
