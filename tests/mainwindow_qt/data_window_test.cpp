// The data window: each report command shows the core's text, the font
// commands, Save, the empty-buffer messages and printing to PDF.
#include "mainwindow/qt/data_window.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "mainwindow/chart_commands.h"
#include "mainwindow/qt/help_window.h"
#include "mainwindow/qt/print_window.h"
#include "reports/report_commands.h"
#include "reports/saved_data_file.h"
#include "window_fixture.h"

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
  void escRightButtonAndHelp();
};

namespace {
namespace fs = std::filesystem;

DataWindow* RunBasics(WindowFixture& f) {
  f.Command("mnuHoraryBasics")->trigger();
  return f.window->data_window();
}

// What the command line prints for the same chart: the core command run on a
// buffer of its own.
std::string CoreReport(WindowFixture& f, const char* name, ReportBuffer& buffer) {
  RecordingView view;
  ReportContext report(f.context.chart, f.context.program.options, buffer,
                       &f.context.program.tables, f.context.election.Name);
  ReportCommandHost host{view, f.context.title_text, [&f] { RecastChart(f.context); }};
  RunReportCommand(name, report, host);
  return view.shown.empty() ? std::string() : view.shown.back();
}

std::string ShownText(DataWindow* data) {
  QString text = data->text()->toPlainText();
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return text.toLatin1().toStdString();
}

int PdfPageCount(const std::string& pdf) {
  int pages = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1)) {
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
  }
  return pages;
}

// Prints through the print window to a PDF file; returns its page count.
int PrintToPdf(WindowFixture& f, DataWindow* data, const char* command) {
  const std::string pdf = f.dir + "/data.pdf";
  fs::remove(pdf);
  data->Command(QString::fromLatin1(command))->trigger();
  QPointer<PrintWindow> print = data->print_window();
  if (!print) return -1;
  print->choose_printer = PrintToPdfFile(pdf);
  Click(print, "btnPrint");
  if (!print.isNull() && print->isVisible()) return -2;  // Print closes the window
  return PdfPageCount(ReadText(pdf));
}

int PagesFor(int lines, int per_page) {
  return (lines + per_page - 1) / per_page;
}

}  // namespace

void DataWindowTest::menusInOrder() {
  WindowFixture f;
  DataWindow* data = RunBasics(f);
  QVERIFY(data != nullptr);
  QStringList captions;
  for (QAction* top : data->menuBar()->actions()) {
    captions << top->text();
    if (top->menu()) {
      for (QAction* item : top->menu()->actions())
        captions << item->objectName() + "=" + item->text();
    }
  }
  QCOMPARE(captions, QStringList({"&File", "mnuFileSave=&Save", "mnuFileSaveAs=Save &As", "F&ont",
                                  "mnuFontsIncrease=&Increase", "mnuFontsDecrease=&Decrease",
                                  "mnuFontsBold=&Bold", "mnuFontsItalic=I&talic", "&Clear all data",
                                  "&Print page", "Print &data", "&Help"}));
  QVERIFY(data->text()->isReadOnly());
  QVERIFY(QFontInfo(data->text()->font()).fixedPitch());
  QVERIFY(f.messages.texts.empty());
}

void DataWindowTest::reportCommands_data() {
  QTest::addColumn<QString>("menu");
  QTest::addColumn<QString>("name");
  for (const auto& [menu, name] : {std::pair{"mnuHoraryBasics", "basics"},
                                   {"mnuHoraryAlmutens", "almutens"},
                                   {"mnuHoraryOtherDegrees", "degrees"},
                                   {"mnuDataCosmodynes", "cosmodynes"},
                                   {"mnuDataMagiAspects", "magi"},
                                   {"mnuDataMagiDynes", "magi-cosmodynes"}}) {
    QTest::newRow(name) << QString(menu) << QString(name);
  }
}

void DataWindowTest::reportCommands() {
  QFETCH(QString, menu);
  QFETCH(QString, name);
  WindowFixture f;
  RecordingMessages core_messages;
  ReportBuffer core_buffer(core_messages);
  const std::string expected = CoreReport(f, name.toLatin1().constData(), core_buffer);
  QVERIFY(expected.size() > 200);
  f.Command(menu.toLatin1().constData())->trigger();
  DataWindow* data = f.window->data_window();
  QVERIFY(data != nullptr);
  QVERIFY(data->isVisible());
  QCOMPARE(ShownText(data), expected);
  QCOMPARE(data->windowTitle().toStdString(), f.context.title_text + "Data");
  QCOMPARE(f.context.reports.data_line_count(), core_buffer.data_line_count());
  QVERIFY(f.messages.texts.empty());
}

void DataWindowTest::placedFromTheSettingsAndStoredOnResize() {
  WindowFixture f;
  f.context.window.DataTop = 1500;
  f.context.window.DataLeft = 300;
  f.context.window.DataWidth = 9000;
  f.context.window.DataHeight = 6000;
  DataWindow* data = RunBasics(f);
  QCOMPARE(data->size(), QSize(600, 400));
  QCOMPARE(f.context.window.DataWidth, 9000);
  data->resize(700, 450);
  QTRY_COMPARE(f.context.window.DataWidth, 10500);
  QCOMPARE(f.context.window.DataHeight, 6750);
  // Closed, the next report makes a new window at the stored size.
  data->close();
  QTRY_VERIFY(f.window->data_window() == nullptr);
  QCOMPARE(RunBasics(f)->size(), QSize(700, 450));
}

// The sizes and their limits are the core's rules (tests/mainwindow); here
// the commands reach the text's font and show the report again.
void DataWindowTest::fontCommandsAppendAnEmptyLine() {
  WindowFixture f;
  f.context.screen.font_step = 1.5;
  DataWindow* data = RunBasics(f);
  const std::string shown = ShownText(data);
  QAction* increase = data->Command(QStringLiteral("mnuFontsIncrease"));
  for (const double size : {10.75, 11.5, 12.25}) {
    increase->trigger();
    QCOMPARE(data->text()->font().pointSizeF(), size);
  }
  QVERIFY(!increase->isEnabled());  // the first size not below 12
  QCOMPARE(ShownText(data), shown + "\r\n\r\n\r\n");
  data->Command(QStringLiteral("mnuFontsDecrease"))->trigger();
  QVERIFY(increase->isEnabled());
  data->Command(QStringLiteral("mnuFontsBold"))->trigger();
  QVERIFY(data->text()->font().bold());
  QVERIFY(data->Command(QStringLiteral("mnuFontsBold"))->isChecked());
  data->Command(QStringLiteral("mnuFontsItalic"))->trigger();
  QVERIFY(data->text()->font().italic());
  QCOMPARE(ShownText(data), shown + "\r\n\r\n\r\n\r\n\r\n\r\n");
}

void DataWindowTest::minimisedWindowKeepsTheReportBuffered() {
  WindowFixture f;
  DataWindow* data = RunBasics(f);
  const QString basics = data->text()->toPlainText();
  const int buffered = f.context.reports.data_line_count();
  data->showMinimized();
  QTRY_VERIFY(data->isMinimized());
  f.Command("mnuHoraryAlmutens")->trigger();
  QCOMPARE(data->text()->toPlainText(), basics);
  const int written = f.context.reports.report_line_count();
  QVERIFY(written > 3);
  QCOMPARE(f.context.reports.data_line_count(), buffered + written);
  // Not closed by ShowReport: the last line is a written one.
  QVERIFY(!f.context.reports.report_lines()[written - 1].empty());
}

void DataWindowTest::saveWritesTheCommandLinesFile() {
  WindowFixture f;
  RecordingMessages core_messages;
  ReportBuffer core_buffer(core_messages);
  CoreReport(f, "basics", core_buffer);
  CoreReport(f, "degrees", core_buffer);
  const std::string cli_file = f.dir + "/CLI.DOC";
  QVERIFY(SaveDataFile(cli_file, core_buffer, f.context.program.options[50], core_messages));

  DataWindow* data = RunBasics(f);
  f.Command("mnuHoraryOtherDegrees")->trigger();
  QString proposed;
  const std::string saved = f.dir + "/SAVED.DOC";
  data->choose_save_path = [&](const QString& path) {
    proposed = path;
    return QString::fromStdString(saved);
  };
  for (const char* command : {"mnuFileSave", "mnuFileSaveAs"}) {
    fs::remove(saved);
    data->Command(QString::fromLatin1(command))->trigger();
    QCOMPARE(proposed.toStdString(),
             f.dir + "/" + ProposedDataFileName(f.context.chart.ChartTitle));
    QCOMPARE(ReadText(saved), ReadText(cli_file));
  }
  // Cancelled: nothing written.
  fs::remove(saved);
  data->choose_save_path = [](const QString&) { return QString(); };
  data->Command(QStringLiteral("mnuFileSave"))->trigger();
  QVERIFY(!fs::exists(saved));
  QVERIFY(f.messages.texts.empty());
}

void DataWindowTest::emptyBufferMessages() {
  WindowFixture f;
  DataWindow* data = RunBasics(f);
  bool asked = false;
  data->choose_save_path = [&asked](const QString&) {
    asked = true;
    return QString();
  };
  data->Command(QStringLiteral("mnuClearBuffer"))->trigger();
  data->Command(QStringLiteral("mnuFileSave"))->trigger();
  data->Command(QStringLiteral("mnuFileSaveAs"))->trigger();
  data->Command(QStringLiteral("mnuPrintData"))->trigger();
  QVERIFY(!asked);
  QVERIFY(data->print_window() == nullptr);
  QCOMPARE(f.messages.texts,
           std::vector<std::string>({kAllDataClearedMessage, kNoDataToWriteMessage,
                                     kNoDataToWriteMessage, kNoDataToPrintMessage}));
  QCOMPARE(f.messages.titles,
           std::vector<std::string>({"Information!", "Information", "Information", "Information"}));
  // The shown report stays after Clear all data.
  QVERIFY(!data->text()->toPlainText().isEmpty());
}

void DataWindowTest::writeProtectedFileIsLeftAsItWas() {
  WindowFixture f;
  DataWindow* data = RunBasics(f);
  const std::string saved = f.dir + "/SAVED.DOC";
  WriteText(saved, "kept\r\n");
  const fs::perms read_only =
      fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(saved, read_only, fs::perm_options::replace);
  data->choose_save_path = [&saved](const QString&) { return QString::fromStdString(saved); };
  data->Command(QStringLiteral("mnuFileSaveAs"))->trigger();
  QCOMPARE(f.messages.texts,
           std::vector<std::string>({saved + " is write-protected. The data was not saved."}));
  QCOMPARE(f.messages.titles, std::vector<std::string>({"Warning!"}));
  QCOMPARE(ReadText(saved), std::string("kept\r\n"));
  QCOMPARE(fs::status(saved).permissions(), read_only);
  fs::permissions(saved, fs::perms::owner_write, fs::perm_options::add);
}

void DataWindowTest::printPageAndPrintDataToPdf() {
  WindowFixture f;
  f.context.program.options[49] = 20;
  DataWindow* data = RunBasics(f);
  f.Command("mnuHoraryAlmutens")->trigger();
  const ReportBuffer& reports = f.context.reports;
  QCOMPARE(PrintToPdf(f, data, "mnuPrint"), PagesFor(reports.report_line_count() + 1, 20));
  QCOMPARE(PrintToPdf(f, data, "mnuPrintData"), PagesFor(reports.data_line_count() + 1, 20));

  // The print file holds the buffer; the edited text is what gets printed.
  data->Command(QStringLiteral("mnuPrint"))->trigger();
  PrintWindow* print = data->print_window();
  QCOMPARE(print->windowTitle(), QStringLiteral("Data To Be Printed"));
  QCOMPARE(ReadText(f.dir + "/PRNTFILE.XXX"), reports.ReportText());
  print->content()->setPlainText(QStringLiteral("one\ntwo\n"));
  print->choose_printer = PrintToPdfFile(f.dir + "/edited.pdf");
  Click(print, "btnPrint");
  QCOMPARE(ReadText(f.dir + "/PRNTFILE.XXX"), std::string("one\r\ntwo\r\n"));
  QCOMPARE(PdfPageCount(ReadText(f.dir + "/edited.pdf")), 1);

  // Cancel prints nothing.
  data->Command(QStringLiteral("mnuPrint"))->trigger();
  QPointer<PrintWindow> cancelled = data->print_window();
  bool asked = false;
  cancelled->choose_printer = [&asked](QPrinter&) { return asked = true; };
  Click(cancelled, "btnCancel");
  QTRY_VERIFY(cancelled.isNull());
  QVERIFY(!asked);
  QVERIFY(f.messages.texts.empty());
}

void DataWindowTest::escRightButtonAndHelp() {
  WindowFixture f;
  DataWindow* data = RunBasics(f);
  QVERIFY(QTest::qWaitForWindowExposed(data));
  QApplication::setActiveWindow(data);
  QTest::keyClick(data->text(), Qt::Key_Escape);
  QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
  QApplication::setActiveWindow(data);
  QTest::mouseRelease(data->text()->viewport(), Qt::RightButton);
  QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
  data->Command(QStringLiteral("mnuHelp"))->trigger();
  QVERIFY(f.window->help_window() != nullptr);
  QCOMPARE(f.window->help_window()->windowTitle(), QStringLiteral("OUTPUTD1.HLP"));
}

const RegisterWindowTest<DataWindowTest> registeredDataWindowTest("DataWindowTest");

}  // namespace kairotex::test

#include "data_window_test.moc"
