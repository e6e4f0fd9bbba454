// The main window KAIROTEX: the menu bar, the chartwheel, the running clock
// and the commands. Each command turns into a call on the core
// (mainwindow/chart_commands.h) and then shows what the core computed.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>

#include "mainwindow/program_context.h"
#include "mainwindow/qt/chart_printing.h"
#include "mainwindow/time_steps.h"

class QAction;
class QTimer;

namespace kairotex {

class AspectWindow;
class ChartView;
class DataWindow;
class FinderDialog;
class HelpWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(ProgramContext& context, QString glyph_family, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The menu command of this control name ("mnuUpdateAddDay").
  QAction* Command(const QString& name) const;
  ChartView* chart_view() const { return chart_view_; }
  QTimer* timer() const { return timer_; }
  HelpWindow* help_window() const;
  // The data window, null until the first report.
  DataWindow* data_window() const;
  // The aspect window while it is open, else null.
  AspectWindow* aspect_window() const;
  // The "Find elections..." dialog while it is open, else null.
  FinderDialog* finder_dialog() const;

  // Start-up's last steps: the check marks shown, the window sized and
  // shown, the timer enabled, and the TITLE window when option 48 is 1.
  void ShowAtStartup();

  // How the Print command asks and where it prints; the platform question and
  // print dialog unless a test puts its own here.
  std::function<PrintChoice()> ask_print_choice;
  std::function<bool(QPrinter&)> choose_printer;
  // "Select new orb file": the file chosen in the folder with the given file
  // preselected, "" for Cancel; the platform's file dialog unless a test
  // puts its own here.
  std::function<std::string(const std::string& folder, const std::string& preselected)>
      choose_orb_file;
  // Called at shutdown (the glyph font is released there).
  std::function<void()> on_shutdown;

 public slots:
  // The running clock: the caption every second; the chart on the minute.
  void Timer1_Timer();
  // Esc, and the data window's return: the main window in front with the focus.
  void BringToFront();

  void mnuFileExit_Click();
  void mnuHouse_Click(int menu_index);
  void mnuUpdate_Click(TimeStep step);
  void mnuUpdateMultiple_Click(MultipleStep which);
  void mnuElectionsRunning_Click();
  void mnuHelioChart_Click();
  void mnuDeclinationChart_Click();
  void mnuPrecisePositions_Click();
  void mnuCTAmerican_Click();
  void mnuCTEuropean_Click();
  void mnuPrintChartwheel_Click();
  void mnuOptionsOptions_Click();
  void mnuHelpAbout_Click();
  void ShowHelpFile(const QString& file_name);

  // The dialogs and report windows of the next stage: the election data
  // dialog, the data window with its reports, the aspect window and the orb
  // file commands.
  void mnuElectionsData_Click();
  void mnuHoraryBasics_Click();
  void mnuHoraryAlmutens_Click();
  void mnuHoraryOtherDegrees_Click();
  void mnuDataCosmodynes_Click();
  void mnuDataMagiAspects_Click();
  void mnuDataMagiDynes_Click();
  void mnuAspects_Click();
  void mnuOrbsChange_Click();
  void mnuOrbsEdit_Click();
  void mnuElectionsFind_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void ConnectCommands();
  void OnCommand(const char* name, void (MainWindow::*slot)());
  // After every calculation: check marks, window size, repaint.
  void RefreshMainWindow();
  void FitToScreenClass();
  void Repaint();
  void ShowCheckMarks();
  // A report command of reports/report_commands.h into the data window.
  void RunReport(const char* name);
  void Shutdown();

  ProgramContext& context_;
  ChartView* chart_view_;
  QTimer* timer_;
  QPointer<HelpWindow> help_window_;
  QPointer<DataWindow> data_window_;
  QPointer<AspectWindow> aspect_window_;
  QPointer<FinderDialog> finder_dialog_;
  std::map<QString, QAction*> commands_;
  bool shut_down_ = false;
};

}  // namespace kairotex
