// The data window, its report commands, Save and the print window.
#pragma once

#include <QObject>

namespace kairotex::test {

class DataWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void menusInOrder();
  void reportCommands_data();
  void reportCommands();
  void placedFromTheSettingsAndStoredOnResize();
  void fontCommandsAppendAnEmptyLine();
  void minimisedWindowKeepsTheReportBuffered();
  void saveWritesTheCommandLinesFile();
  void emptyBufferMessages();
  void writeProtectedFileIsLeftAsItWas();
  void printPageAndPrintDataToPdf();
  void escAndRightButtonReturnToTheMainWindow();
  void helpOpensTheDataWindowHelp();
};

}  // namespace kairotex::test
