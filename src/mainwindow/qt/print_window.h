// The print window PrntFile: the print file's text, which the user may edit
// before printing it in a fixed-pitch font, page by page.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "mainwindow/program_context.h"

class QPlainTextEdit;
class QPrinter;

namespace kairotex {

inline constexpr const char* kPrintWindowHint = "Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.";

class PrintWindow : public QWidget {
  Q_OBJECT

 public:
  // Loads PRNTFILE.XXX from the program folder.
  PrintWindow(ProgramContext& context, QWidget* parent);

  QPlainTextEdit* content() const { return content_; }
  // The platform's print dialog unless a test puts its own here.
  std::function<bool(QPrinter&)> choose_printer;

 public slots:
  void btnPrint_Click();
  void btnCancel_Click();

 private:
  bool PrintLines(QPrinter& printer, const std::vector<std::string>& lines);

  ProgramContext& context_;
  QPlainTextEdit* content_;
};

}  // namespace kairotex
