#include "mainwindow/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLocale>
#include <QMenuBar>
#include <QTime>
#include <QTimer>
#include <optional>

#include "elect/qt/finder_dialog.h"
#include "mainwindow/chart_commands.h"
#include "mainwindow/clock_caption.h"
#include "mainwindow/help_files.h"
#include "mainwindow/menu_table.h"
#include "mainwindow/options_editor.h"
#include "mainwindow/orb_commands.h"
#include "mainwindow/program_start.h"
#include "mainwindow/qt/about_window.h"
#include "mainwindow/qt/aspect_window.h"
#include "mainwindow/qt/busy_cursor.h"
#include "mainwindow/qt/chart_view.h"
#include "mainwindow/qt/data_window.h"
#include "mainwindow/qt/election_dialog.h"
#include "mainwindow/qt/help_window.h"
#include "mainwindow/qt/options_window.h"
#include "mainwindow/qt/orb_file_chooser.h"
#include "mainwindow/qt/orbs_edit_window.h"
#include "mainwindow/qt/title_window.h"
#include "reports/report_commands.h"

namespace kairotex {
namespace {

QString Text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

constexpr int kTimerIntervalMs = 1000;

}  // namespace

MainWindow::MainWindow(ProgramContext& context, QString glyph_family, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      chart_view_(new ChartView(context, std::move(glyph_family), this)),
      timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("KAIROTEX"));
  setWindowTitle(QStringLiteral("KAIROTEX"));
  setCentralWidget(chart_view_);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(kTimerIntervalMs);
  connect(timer_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
  BuildMenus();
  ConnectCommands();
  auto* to_front = new QAction(this);
  to_front->setObjectName(QStringLiteral("BringToFront"));
  to_front->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(to_front, &QAction::triggered, this, &MainWindow::BringToFront);
  addAction(to_front);
}

MainWindow::~MainWindow() {
  Shutdown();
}

QAction* MainWindow::Command(const QString& name) const {
  const auto found = commands_.find(name);
  return found == commands_.end() ? nullptr : found->second;
}

HelpWindow* MainWindow::help_window() const {
  return help_window_.data();
}

DataWindow* MainWindow::data_window() const {
  return data_window_.data();
}

void MainWindow::BuildMenus() {
  for (const MenuDefinition& menu : MainMenuBar()) {
    if (menu.items.empty()) {
      QAction* action = menuBar()->addAction(Text(menu.caption));
      action->setObjectName(Text(menu.name));
      commands_[action->objectName()] = action;
      continue;
    }
    QMenu* qmenu = menuBar()->addMenu(Text(menu.caption));
    qmenu->setObjectName(Text(menu.name));
    for (const MenuCommand& item : menu.items) {
      if (item.IsSeparator()) {
        qmenu->addSeparator();
        continue;
      }
      QAction* action = qmenu->addAction(Text(item.caption));
      action->setObjectName(Text(item.name));
      action->setCheckable(item.checkable);
      if (!item.shortcut.empty()) action->setShortcut(QKeySequence(Text(item.shortcut)));
      commands_[action->objectName()] = action;
    }
  }
  // The chart-style items appear once a chart has been calculated.
  Command(QStringLiteral("mnuCTAmerican"))->setVisible(false);
  Command(QStringLiteral("mnuCTEuropean"))->setVisible(false);
}

void MainWindow::OnCommand(const char* name, void (MainWindow::*slot)()) {
  connect(Command(QString::fromLatin1(name)), &QAction::triggered, this, slot);
}

void MainWindow::ConnectCommands() {
  OnCommand("mnuFileExit", &MainWindow::mnuFileExit_Click);
  for (int i = 0; i < 8; ++i) {
    connect(Command(Text(kHouseItemNames[i])), &QAction::triggered, this,
            [this, i] { mnuHouse_Click(i); });
  }
  const std::pair<const char*, TimeStep> steps[] = {
      {"mnuUpdateAddDay", TimeStep::kAddDay},       {"mnuUpdateSubDay", TimeStep::kSubDay},
      {"mnuUpdateAddHour", TimeStep::kAddHour},     {"mnuUpdateSubHour", TimeStep::kSubHour},
      {"mnuUpdateAddMinute", TimeStep::kAddMinute}, {"mnuUpdateSubMinute", TimeStep::kSubMinute}};
  for (const auto& [name, step] : steps) {
    connect(Command(QString::fromLatin1(name)), &QAction::triggered, this,
            [this, step = step] { mnuUpdate_Click(step); });
  }
  const std::pair<const char*, MultipleStep> multiple[] = {
      {"mnuUpdateAddMultHour", MultipleStep::kAddHours},
      {"mnuUpdateSubMultHour", MultipleStep::kSubHours},
      {"mnuUpdateAddMultMinute", MultipleStep::kAddMinutes},
      {"mnuUpdateSubMultMinute", MultipleStep::kSubMinutes}};
  for (const auto& [name, which] : multiple) {
    connect(Command(QString::fromLatin1(name)), &QAction::triggered, this,
            [this, which = which] { mnuUpdateMultiple_Click(which); });
  }
  OnCommand("mnuElectionsRunning", &MainWindow::mnuElectionsRunning_Click);
  OnCommand("mnuElectionsData", &MainWindow::mnuElectionsData_Click);
  OnCommand("mnuElectionsFind", &MainWindow::mnuElectionsFind_Click);
  OnCommand("mnuHelioChart", &MainWindow::mnuHelioChart_Click);
  OnCommand("mnuDeclinationChart", &MainWindow::mnuDeclinationChart_Click);
  OnCommand("mnuPrecisePositions", &MainWindow::mnuPrecisePositions_Click);
  OnCommand("mnuCTAmerican", &MainWindow::mnuCTAmerican_Click);
  OnCommand("mnuCTEuropean", &MainWindow::mnuCTEuropean_Click);
  OnCommand("mnuPrintChartwheel", &MainWindow::mnuPrintChartwheel_Click);
  OnCommand("mnuOptionsOptions", &MainWindow::mnuOptionsOptions_Click);
  OnCommand("mnuHelpAbout", &MainWindow::mnuHelpAbout_Click);
  for (const HelpItem& help : kHelpItems) {
    const QString file = Text(help.file_name);
    connect(Command(Text(help.menu_item)), &QAction::triggered, this,
            [this, file] { ShowHelpFile(file); });
  }
  OnCommand("mnuHoraryBasics", &MainWindow::mnuHoraryBasics_Click);
  OnCommand("mnuHoraryAlmutens", &MainWindow::mnuHoraryAlmutens_Click);
  OnCommand("mnuHoraryOtherDegrees", &MainWindow::mnuHoraryOtherDegrees_Click);
  OnCommand("mnuDataCosmodynes", &MainWindow::mnuDataCosmodynes_Click);
  OnCommand("mnuDataMagiAspects", &MainWindow::mnuDataMagiAspects_Click);
  OnCommand("mnuDataMagiDynes", &MainWindow::mnuDataMagiDynes_Click);
  OnCommand("mnuAspects", &MainWindow::mnuAspects_Click);
  OnCommand("mnuOrbsChange", &MainWindow::mnuOrbsChange_Click);
  OnCommand("mnuOrbsEdit", &MainWindow::mnuOrbsEdit_Click);
}

void MainWindow::ShowAtStartup() {
  RefreshMainWindow();
  move(x(), 0);
  show();
  FitToScreenClass();  // the frame is known only once shown
  timer_->start();
  if (context_.program.options[48] == 1.0f) {
    auto* title = new TitleWindow(this);
    title->show();
  }
}

// The check marks are the context's settings, shown again after each command.
void MainWindow::ShowCheckMarks() {
  for (int i = 0; i < 8; ++i) {
    Command(Text(kHouseItemNames[i]))->setChecked(context_.checks.HouseChecks[i]);
  }
  Command(QStringLiteral("mnuElectionsRunning"))->setChecked(context_.checks.ElectionsRunning);
  Command(QStringLiteral("mnuHelioChart"))->setChecked(context_.checks.HelioChart);
  Command(QStringLiteral("mnuDeclinationChart"))->setChecked(context_.checks.DeclinationChart);
  Command(QStringLiteral("mnuPrecisePositions"))->setChecked(context_.window.PrecisePositions);
  QAction* american = Command(QStringLiteral("mnuCTAmerican"));
  QAction* european = Command(QStringLiteral("mnuCTEuropean"));
  if (context_.chart_exists) {
    american->setVisible(true);
    european->setVisible(true);
  }
  american->setChecked(context_.window.TypeChart == 0);
  european->setChecked(context_.window.TypeChart == 1);
}

// In the normal state the window takes the screen class's size (its frame
// included); maximised, minimised or full screen it is left alone.
void MainWindow::FitToScreenClass() {
  const Qt::WindowStates state = windowState();
  if (state & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) return;
  const QSize frame_extra = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
  resize(QSize(context_.screen.WindowWidthPixels(), context_.screen.WindowHeightPixels()) -
         frame_extra);
}

void MainWindow::RefreshMainWindow() {
  // The aspect list belongs to the chart it was built for.
  if (aspect_window_) aspect_window_->close();
  ShowCheckMarks();
  FitToScreenClass();
  Repaint();
}

void MainWindow::Repaint() {
  chart_view_->repaint();
}

void MainWindow::Timer1_Timer() {
  const LocalDateTime local = context_.clock.Now();
  const QString time_text = QLocale::system().toString(
      QTime(local.hour, local.minute, local.second), QLocale::LongFormat);
  const std::string time = time_text.toLatin1().toStdString();
  ClockTick tick;
  {
    // The hourglass only on the tick that recasts.
    std::optional<BusyCursor> busy;
    if (context_.checks.ElectionsRunning && IsMinuteTick(time)) busy.emplace();
    tick = TickClock(context_, local, time);
    if (tick.recast) RefreshMainWindow();
  }
  setWindowTitle(Text(tick.caption));
}

void MainWindow::BringToFront() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  chart_view_->setFocus();
}

void MainWindow::mnuFileExit_Click() {
  close();
}

void MainWindow::mnuHouse_Click(int menu_index) {
  BusyCursor busy;
  ChooseHouseSystem(context_, menu_index);
  RefreshMainWindow();
}

void MainWindow::mnuUpdate_Click(TimeStep step) {
  BusyCursor busy;
  StepChart(context_, step);
  RefreshMainWindow();
}

void MainWindow::mnuUpdateMultiple_Click(MultipleStep which) {
  BusyCursor busy;
  StepChartRepeatedly(context_, which, [this] { RefreshMainWindow(); });
  ShowCheckMarks();
}

void MainWindow::mnuElectionsRunning_Click() {
  BusyCursor busy;
  ToggleRunningClock(context_);
  RefreshMainWindow();
}

void MainWindow::mnuHelioChart_Click() {
  BusyCursor busy;
  ToggleHelioChart(context_);
  RefreshMainWindow();
}

void MainWindow::mnuDeclinationChart_Click() {
  BusyCursor busy;
  ToggleDeclinationChart(context_);
  RefreshMainWindow();
}

void MainWindow::mnuPrecisePositions_Click() {
  BusyCursor busy;
  TogglePrecisePositions(context_);
  RefreshMainWindow();
}

void MainWindow::mnuCTAmerican_Click() {
  SetChartStyle(context_, 0);
  ShowCheckMarks();
  Repaint();
}

void MainWindow::mnuCTEuropean_Click() {
  SetChartStyle(context_, 1);
  ShowCheckMarks();
  Repaint();
}

void MainWindow::mnuPrintChartwheel_Click() {
  const PrintChoice choice = ask_print_choice ? ask_print_choice() : AskPrintChoice(this);
  if (choice == PrintChoice::kCancel) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("KAIROTEX chartwheel"));
  const bool chosen = choose_printer ? choose_printer(printer) : ChoosePrinter(printer, this);
  if (!chosen) return;
  BusyCursor busy;
  const PdfPage page = choice == PrintChoice::kFullPage ? PdfPage::kFull : PdfPage::kHalf;
  if (!PrintChartPage(printer, page, chart_view_->Inputs(), chart_view_->glyph_family(),
                      context_.screen.drawing_width, context_.messages)) {
    context_.messages.ShowMessage("The printer could not be started.", kWarningTitle,
                                  MessageIcon::kExclamation);
  }
}

void MainWindow::mnuOptionsOptions_Click() {
  auto* editor = new OptionsWindow(context_, this);
  if (!editor->LoadText()) {
    delete editor;
    context_.messages.ShowMessage(kOptionsFileNotFoundMessage, kWarningTitle,
                                  MessageIcon::kExclamation);
    return;
  }
  editor->show();
}

void MainWindow::mnuHelpAbout_Click() {
  auto* about = new AboutWindow(this);
  about->show();
}

// The help window is made anew for each file, so that it always opens fresh.
void MainWindow::ShowHelpFile(const QString& file_name) {
  if (help_window_) help_window_->deleteLater();
  help_window_ = new HelpWindow(this);
  if (!help_window_->ShowHelpFile(context_.program_dir(), file_name.toStdString(),
                                  context_.messages)) {
    help_window_->deleteLater();
    help_window_ = nullptr;
  }
}

// Modeless, so that the wheel and the reports of a chosen moment can be read
// beside the results; one at a time.
void MainWindow::mnuElectionsFind_Click() {
  if (finder_dialog_) {
    finder_dialog_->raise();
    finder_dialog_->activateWindow();
    return;
  }
  finder_dialog_ = new FinderDialog(context_, this);
  finder_dialog_->setAttribute(Qt::WA_DeleteOnClose);
  connect(finder_dialog_, &FinderDialog::chartChanged, this, &MainWindow::RefreshMainWindow);
  finder_dialog_->show();
}

FinderDialog* MainWindow::finder_dialog() const {
  return finder_dialog_;
}

// A fresh dialog each time, modal. OK with stored data recasts the chart;
// "New Angles" may have recast it already, and then the screen shows the new
// chart even after Cancel. The clock check mark is shown unchecked either way.
void MainWindow::mnuElectionsData_Click() {
  ElectionDialog dialog(context_, this);
  dialog.exec();
  if (dialog.stored()) {
    BusyCursor busy;
    RecastChart(context_);
    RefreshMainWindow();
  } else if (dialog.chart_recast()) {
    RefreshMainWindow();
  } else {
    ShowCheckMarks();
  }
}

// StartReport's first step: the data window exists (made anew once closed).
void MainWindow::RunReport(const char* name) {
  BusyCursor busy;
  if (!data_window_) data_window_ = new DataWindow(context_, *this);
  ReportContext report(context_.chart, context_.program.options, context_.reports,
                       &context_.program.tables, context_.election.Name);
  ReportCommandHost host{*data_window_, context_.title_text, [this] {
                           RecastChart(context_);
                           RefreshMainWindow();
                         }};
  RunReportCommand(name, report, host);
}

void MainWindow::mnuHoraryBasics_Click() {
  RunReport("basics");
}
void MainWindow::mnuHoraryAlmutens_Click() {
  RunReport("almutens");
}
void MainWindow::mnuHoraryOtherDegrees_Click() {
  RunReport("degrees");
}
void MainWindow::mnuDataCosmodynes_Click() {
  RunReport("cosmodynes");
}
void MainWindow::mnuDataMagiAspects_Click() {
  RunReport("magi");
}
void MainWindow::mnuDataMagiDynes_Click() {
  RunReport("magi-cosmodynes");
}
// A fresh list each time: the orb file is read anew. When it cannot be read
// the reason is shown and no window opens.
void MainWindow::mnuAspects_Click() {
  BusyCursor busy;
  if (aspect_window_) aspect_window_->close();
  const std::optional<std::string> text = AspectWindowText(context_);
  if (!text) return;
  aspect_window_ = new AspectWindow(*text, chart_view_->glyph_family(), this);
  aspect_window_->show();
}

void MainWindow::mnuOrbsChange_Click() {
  const std::string preselected = OrbFileToPreselect(context_);
  const std::string chosen = choose_orb_file
                                 ? choose_orb_file(context_.program_dir(), preselected)
                                 : ChooseOrbFile(this, context_.program_dir(), preselected);
  if (TakeChosenOrbFile(context_, chosen)) mnuAspects_Click();
}

void MainWindow::mnuOrbsEdit_Click() {
  auto* editor = new OrbsEditWindow(context_, this);
  if (!editor->LoadText()) {
    delete editor;
    return;
  }
  editor->show();
}

AspectWindow* MainWindow::aspect_window() const {
  return aspect_window_.data();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  Shutdown();
  event->accept();
}

// Settings saved, the glyph font released; closing the window is File > Exit.
void MainWindow::Shutdown() {
  if (shut_down_) return;
  shut_down_ = true;
  timer_->stop();
  std::string error;
  if (!SaveProgramSettings(context_, &error)) {
    context_.messages.ShowMessage("The window settings could not be saved: " + error, kWarningTitle,
                                  MessageIcon::kExclamation);
  }
  if (on_shutdown) on_shutdown();
}

}  // namespace kairotex
