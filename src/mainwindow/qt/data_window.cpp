#include "mainwindow/qt/data_window.h"

#include <QAction>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "mainwindow/data_window_font.h"
#include "mainwindow/qt/busy_cursor.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/qt/print_window.h"
#include "reports/saved_data_file.h"
#include "settings/program_dir.h"

namespace kairotex {
namespace {

constexpr const char* kDataFilter = "Data Files (*.DOC)";

// Courier New where installed, else the system's fixed-pitch font;
// `fixed_pitch` is cleared when not even that is fixed-pitch.
QFont FixedPitchFont(bool& fixed_pitch) {
  const QString courier = QStringLiteral("Courier New");
  if (QFontDatabase::hasFamily(courier)) {
    fixed_pitch = true;
    return QFont(courier);
  }
  const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed_pitch = QFontInfo(font).fixedPitch();
  return font;
}

}  // namespace

DataWindow::DataWindow(ProgramContext& context, MainWindow& main_window)
    : QMainWindow(&main_window, Qt::Window),
      context_(context),
      main_window_(main_window),
      text_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("OutputD1"));
  setWindowTitle(QStringLiteral("Data"));
  setAttribute(Qt::WA_DeleteOnClose);
  text_->setObjectName(QStringLiteral("Text1"));
  text_->setReadOnly(true);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The right button returns to the main window instead of opening a menu.
  text_->setContextMenuPolicy(Qt::NoContextMenu);
  text_->installEventFilter(this);
  viewport_ = text_->viewport();
  viewport_->installEventFilter(this);
  setCentralWidget(text_);
  BuildMenus();

  // Placed while loading, so that the resize handler keeps the settings.
  const DataWindowRect place = DataWindowPixels(context_.window, context_.screen.twips_per_pixel);
  move(place.left, place.top);
  resize(place.width, place.height);
  loading_ = false;

  bool fixed_pitch = true;
  QFont font = FixedPitchFont(fixed_pitch);
  if (!fixed_pitch) {
    context_.messages.ShowMessage(kFixedFontMissingMessage, "Information!",
                                  MessageIcon::kExclamation);
  }
  text_->setFont(font);
  Command(QStringLiteral("mnuFontsBold"))->setChecked(context_.window.FontBold != 0);
  Command(QStringLiteral("mnuFontsItalic"))->setChecked(context_.window.FontItalic != 0);
  ApplyFont();
  text_->clear();
}

QAction* DataWindow::AddCommand(QMenu* menu, const char* name, const char* caption,
                                void (DataWindow::*slot)()) {
  QAction* action = menu ? menu->addAction(QString::fromLatin1(caption))
                         : menuBar()->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void DataWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  AddCommand(file, "mnuFileSave", "&Save", &DataWindow::mnuFileSave_Click);
  AddCommand(file, "mnuFileSaveAs", "Save &As", &DataWindow::mnuFileSaveAs_Click);
  QMenu* font = menuBar()->addMenu(QStringLiteral("F&ont"));
  font->setObjectName(QStringLiteral("mnuFonts"));
  AddCommand(font, "mnuFontsIncrease", "&Increase", &DataWindow::mnuFontsIncrease_Click);
  AddCommand(font, "mnuFontsDecrease", "&Decrease", &DataWindow::mnuFontsDecrease_Click);
  AddCommand(font, "mnuFontsBold", "&Bold", &DataWindow::mnuFontsBold_Click)->setCheckable(true);
  AddCommand(font, "mnuFontsItalic", "I&talic", &DataWindow::mnuFontsItalic_Click)
      ->setCheckable(true);
  AddCommand(nullptr, "mnuClearBuffer", "&Clear all data", &DataWindow::mnuClearBuffer_Click);
  AddCommand(nullptr, "mnuPrint", "&Print page", &DataWindow::mnuPrint_Click);
  AddCommand(nullptr, "mnuPrintData", "Print &data", &DataWindow::mnuPrintData_Click);
  AddCommand(nullptr, "mnuHelp", "&Help", &DataWindow::mnuHelp_Click);
}

QAction* DataWindow::Command(const QString& name) const {
  return findChild<QAction*>(name);
}

PrintWindow* DataWindow::print_window() const {
  return print_window_.data();
}

bool DataWindow::IsMinimised() const {
  return isMinimized();
}

void DataWindow::ShowReportText(const std::string& text, const std::string& caption) {
  QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text_->setPlainText(shown);
  show();
  setWindowTitle(QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())));
}

// The size, bold and italic of the settings.
void DataWindow::ApplyFont() {
  QFont font = text_->font();
  font.setPointSizeF(context_.window.FontSize);
  font.setBold(context_.window.FontBold != 0);
  font.setItalic(context_.window.FontItalic != 0);
  text_->setFont(font);
}

void DataWindow::Refresh() {
  BusyCursor busy;
  if (!RefreshDataWindow(context_.reports, *this, context_.title_text)) return;
  const DataFontCommands enabled = EnabledDataFontCommands(context_.window);
  Command(QStringLiteral("mnuFontsIncrease"))->setEnabled(enabled.increase);
  Command(QStringLiteral("mnuFontsDecrease"))->setEnabled(enabled.decrease);
}

void DataWindow::mnuFontsIncrease_Click() {
  if (IncreaseDataFont(context_.window, context_.screen.font_step)) ApplyFont();
  Refresh();
}

void DataWindow::mnuFontsDecrease_Click() {
  if (DecreaseDataFont(context_.window, context_.screen.font_step)) ApplyFont();
  Refresh();
}

void DataWindow::mnuFontsBold_Click() {
  Command(QStringLiteral("mnuFontsBold"))->setChecked(ToggleDataFontBold(context_.window));
  ApplyFont();
  Refresh();
}

void DataWindow::mnuFontsItalic_Click() {
  Command(QStringLiteral("mnuFontsItalic"))->setChecked(ToggleDataFontItalic(context_.window));
  ApplyFont();
  Refresh();
}

void DataWindow::mnuClearBuffer_Click() {
  context_.reports.ClearAllData();
}

void DataWindow::mnuFileSave_Click() {
  mnuFileSaveAs_Click();
}

void DataWindow::mnuFileSaveAs_Click() {
  if (context_.reports.data_line_count() == 0) {
    context_.messages.ShowMessage(kNoDataToWriteMessage, "Information", MessageIcon::kExclamation);
    return;
  }
  const std::string proposed =
      ProgramPath(context_.program_dir(), ProposedDataFileName(context_.chart.ChartTitle));
  const QString proposed_path = QString::fromStdString(proposed);
  const QString path =
      choose_save_path ? choose_save_path(proposed_path) : AskSavePath(proposed_path);
  if (path.isEmpty()) return;
  BusyCursor busy;
  SaveDataFile(path.toStdString(), context_.reports, context_.program.options[50],
               context_.messages);
}

// The platform's dialog; it asks before replacing a file.
QString DataWindow::AskSavePath(const QString& proposed_path) {
  QFileDialog dialog(this, QStringLiteral("Save As"),
                     QString::fromStdString(context_.program_dir()));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QString::fromLatin1(kDataFilter));
  dialog.setDefaultSuffix(QStringLiteral("doc"));
  dialog.selectFile(proposed_path);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

void DataWindow::mnuPrint_Click() {
  if (context_.reports.report_line_count() == 0) return;
  BusyCursor busy;
  if (WriteReportPrintFile(context_.program_dir(), context_.reports, context_.messages)) {
    OpenPrintWindow();
  }
}

void DataWindow::mnuPrintData_Click() {
  BusyCursor busy;
  if (WriteDataPrintFile(context_.program_dir(), context_.reports, context_.messages)) {
    OpenPrintWindow();
  }
}

void DataWindow::OpenPrintWindow() {
  if (print_window_) print_window_->close();
  print_window_ = new PrintWindow(context_, this);
  print_window_->choose_printer = choose_printer;
  print_window_->show();
}

void DataWindow::mnuHelp_Click() {
  main_window_.ShowHelpFile(QString::fromLatin1(kDataWindowHelpFile));
}

void DataWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (loading_) return;
  StoreDataWindowPixels(context_.window, {x(), y(), width(), height()},
                        context_.screen.twips_per_pixel);
}

// Esc and the right button's release in Text1 return to the main window.
bool DataWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    main_window_.BringToFront();
    return true;
  }
  if (watched == viewport_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    main_window_.BringToFront();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace kairotex
