// The data window: its menus, each report command showing the core's text,
// its place, the font commands, Save, the empty-buffer and write-protected
// messages, and printing to PDF.
#include "mainwindow/qt/data_window.h"

#include "mainwindow/chart_commands.h"
#include "mainwindow/qt/help_window.h"
#include "mainwindow/qt/print_window.h"
#include "reports/report_commands.h"
#include "reports/saved_data_file.h"
#include "window_fixture.h"

namespace kairotex::test {
namespace {

DataWindow* RunBasics(WindowFixture& f) {
  f.Command("mnuHoraryBasics")->trigger();
  return f.window->data_window();
}

// What the command line prints for the same chart: the core command run on
// a buffer of its own.
std::string CoreReport(WindowFixture& f, const char* name, ReportBuffer& buffer) {
  RecordingView view;
  ReportContext report(f.context.chart, f.context.program.options, buffer,
                       &f.context.program.tables, f.context.election.Name);
  ReportCommandHost host{view, f.context.title_text, [&f] { RecastChart(f.context); }};
  RunReportCommand(name, report, host);
  return view.shown.empty() ? std::string() : view.shown.back();
}

std::string ShownText(DataWindow* data) {
  return data->text()->toPlainText().replace("\n", "\r\n").toLatin1().toStdString();
}

}  // namespace

class DataWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void menusAsDesignedAndHelp() {
    WindowFixture f;
    DataWindow* data = RunBasics(f);
    QVERIFY(data != nullptr);
    QCOMPARE(MenuLines(data->menuBar()), GoldenLines("data_menus.txt"));
    QVERIFY(data->text()->isReadOnly());
    QVERIFY(QFontInfo(data->text()->font()).fixedPitch());
    data->Command(QStringLiteral("mnuHelp"))->trigger();
    QCOMPARE(f.window->help_window()->windowTitle(), QStringLiteral("OUTPUTD1.HLP"));
    // Esc goes back to the main window.
    QVERIFY(QTest::qWaitForWindowExposed(data));
    QApplication::setActiveWindow(data);
    QTest::keyClick(data->text(), Qt::Key_Escape);
    QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
    QVERIFY(f.messages.texts.empty());
  }

  void reportCommands_data() {
    QTest::addColumn<QString>("menu");
    for (const auto& [menu, name] : {std::pair{"mnuHoraryBasics", "basics"},
                                     {"mnuHoraryAlmutens", "almutens"},
                                     {"mnuHoraryOtherDegrees", "degrees"},
                                     {"mnuDataCosmodynes", "cosmodynes"},
                                     {"mnuDataMagiAspects", "magi"},
                                     {"mnuDataMagiDynes", "magi-cosmodynes"}})
      QTest::newRow(name) << QString(menu);
  }
  void reportCommands() {
    QFETCH(QString, menu);
    WindowFixture f;
    RecordingMessages core_messages;
    ReportBuffer core_buffer(core_messages);
    const std::string expected = CoreReport(f, QTest::currentDataTag(), core_buffer);
    QVERIFY(expected.size() > 200);
    f.Command(menu.toLatin1().constData())->trigger();
    DataWindow* data = f.window->data_window();
    QVERIFY(data != nullptr && data->isVisible());
    QCOMPARE(ShownText(data), expected);
    QCOMPARE(f.context.reports.data_line_count(), core_buffer.data_line_count());
    QVERIFY(f.messages.texts.empty());
  }

  void placedFromTheSettingsAndStoredOnResize() {
    WindowFixture f;
    f.context.window.DataWidth = 9000, f.context.window.DataHeight = 6000;
    DataWindow* data = RunBasics(f);
    QCOMPARE(data->size(), QSize(600, 400));
    data->resize(700, 450);
    QTRY_COMPARE(f.context.window.DataWidth, int16_t{10500});
    QCOMPARE(f.context.window.DataHeight, int16_t{6750});
    data->close();  // the next report makes a new window at the stored size
    QTRY_VERIFY(f.window->data_window() == nullptr);
    QCOMPARE(RunBasics(f)->size(), QSize(700, 450));
  }

  // The sizes and their limits are the core's; here the commands reach the
  // text's font and show the report again with one more empty line.
  void fontCommandsAppendAnEmptyLine() {
    WindowFixture f;
    f.context.screen.font_step = 1.5;
    DataWindow* data = RunBasics(f);
    const std::string shown = ShownText(data);
    QAction* increase = data->Command(QStringLiteral("mnuFontsIncrease"));
    for (int step = 0; step < 3; ++step) increase->trigger();
    QCOMPARE(data->text()->font().pointSizeF(), 12.25);
    QVERIFY(!increase->isEnabled());
    data->Command(QStringLiteral("mnuFontsBold"))->trigger();
    QVERIFY(data->text()->font().bold());
    QCOMPARE(ShownText(data), shown + "\r\n\r\n\r\n\r\n");
  }

  void minimisedWindowKeepsTheReportBuffered() {
    WindowFixture f;
    DataWindow* data = RunBasics(f);
    const QString basics = data->text()->toPlainText();
    const int buffered = f.context.reports.data_line_count();
    data->showMinimized();
    QTRY_VERIFY(data->isMinimized());
    f.Command("mnuHoraryAlmutens")->trigger();
    QCOMPARE(data->text()->toPlainText(), basics);
    const int written = f.context.reports.report_line_count();
    QCOMPARE(f.context.reports.data_line_count(), buffered + written);
    QVERIFY(!f.context.reports.report_lines()[written - 1].empty());  // not closed by a show
  }

  void saveWritesTheCommandLinesFileAndEmptyBufferMessages() {
    WindowFixture f;
    RecordingMessages core_messages;
    ReportBuffer core_buffer(core_messages);
    CoreReport(f, "basics", core_buffer);
    const std::string cli_file = f.dir + "/CLI.DOC", saved = f.dir + "/SAVED.DOC";
    QVERIFY(SaveDataFile(cli_file, core_buffer, f.context.program.options[50], core_messages));
    DataWindow* data = RunBasics(f);
    QString proposed;
    data->choose_save_path = [&](const QString& path) {
      proposed = path;
      return QString::fromStdString(saved);
    };
    data->Command(QStringLiteral("mnuFileSaveAs"))->trigger();
    QCOMPARE(proposed.toStdString(),
             f.dir + "/" + ProposedDataFileName(f.context.chart.ChartTitle));
    QCOMPARE(ReadText(saved), ReadText(cli_file));
    QVERIFY(f.messages.texts.empty());
    for (const char* command : {"mnuClearBuffer", "mnuFileSave", "mnuPrintData"})
      data->Command(QString::fromLatin1(command))->trigger();
    QVERIFY(data->print_window() == nullptr);
    QCOMPARE(f.messages.texts,
             std::vector<std::string>(
                 {kAllDataClearedMessage, kNoDataToWriteMessage, kNoDataToPrintMessage}));
    QVERIFY(!data->text()->toPlainText().isEmpty());  // the shown report stays
  }

  void writeProtectedFileIsLeftAsItWas() {
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

  // The print file holds the last report (Print) or the buffer (Print Data);
  // the edited text is what gets printed.
  void printAndPrintDataToPdf() {
    WindowFixture f;
    DataWindow* data = RunBasics(f);
    f.Command("mnuHoraryAlmutens")->trigger();
    const ReportBuffer& reports = f.context.reports;
    data->Command(QStringLiteral("mnuPrintData"))->trigger();
    QVERIFY(ReadText(f.dir + "/PRNTFILE.XXX").size() > reports.ReportText().size() + 200);
    data->print_window()->close();
    data->Command(QStringLiteral("mnuPrint"))->trigger();
    QPointer<PrintWindow> print = data->print_window();
    QCOMPARE(ReadText(f.dir + "/PRNTFILE.XXX"), reports.ReportText());
    print->content()->setPlainText(QStringLiteral("one\ntwo\n"));
    print->choose_printer = PrintToPdfFile(f.dir + "/edited.pdf");
    Click(print, "btnPrint");
    QVERIFY(print.isNull() || !print->isVisible());  // Print closes the window
    QCOMPARE(ReadText(f.dir + "/PRNTFILE.XXX"), std::string("one\r\ntwo\r\n"));
    QVERIFY(ReadText(f.dir + "/edited.pdf").starts_with("%PDF"));
    QVERIFY(f.messages.texts.empty());
  }
};

const RegisterWindowTest<DataWindowTest> registeredDataWindowTest("DataWindowTest");

}  // namespace kairotex::test

#include "data_window_test.moc"
