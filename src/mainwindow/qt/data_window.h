// The data window OutputD1: the last report in a read-only text box, with
// the commands to save and print the buffer, change the font and clear the
// buffer. The rules are those of mainwindow/data_window_font.h and
// reports/saved_data_file.h; the window turns its events into calls on them.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>

#include "mainwindow/program_context.h"

class QAction;
class QPlainTextEdit;
class QPrinter;

namespace kairotex {

class MainWindow;
class PrintWindow;

class DataWindow : public QMainWindow, public ReportView {
  Q_OBJECT

 public:
  DataWindow(ProgramContext& context, MainWindow& main_window);

  bool IsMinimised() const override;
  void ShowReportText(const std::string& text, const std::string& caption) override;

  QAction* Command(const QString& name) const;
  QPlainTextEdit* text() const { return text_; }
  // The print window while it is open, else null.
  PrintWindow* print_window() const;

  // Where Save and Save As write: the platform's save dialog (proposed path
  // given) unless a test puts its own here; an empty result cancels.
  std::function<QString(const QString& proposed_path)> choose_save_path;
  // Handed to each print window opened from here.
  std::function<bool(QPrinter&)> choose_printer;

 public slots:
  // Save behaves as Save As: no file name is remembered between saves.
  void mnuFileSave_Click();
  void mnuFileSaveAs_Click();
  void mnuFontsIncrease_Click();
  void mnuFontsDecrease_Click();
  void mnuFontsBold_Click();
  void mnuFontsItalic_Click();
  void mnuClearBuffer_Click();
  void mnuPrint_Click();
  void mnuPrintData_Click();
  void mnuHelp_Click();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* AddCommand(QMenu* menu, const char* name, const char* caption,
                      void (DataWindow::*slot)());
  void BuildMenus();
  void ApplyFont();
  void Refresh();
  QString AskSavePath(const QString& proposed_path);
  void OpenPrintWindow();

  ProgramContext& context_;
  MainWindow& main_window_;
  QPlainTextEdit* text_;
  QWidget* viewport_ = nullptr;
  QPointer<PrintWindow> print_window_;
  bool loading_ = true;
};

}  // namespace kairotex
