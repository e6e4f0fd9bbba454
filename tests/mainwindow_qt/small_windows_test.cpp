// The options editor, the help window, About, shutdown and printing.
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "mainwindow/help_files.h"
#include "mainwindow/qt/about_window.h"
#include "mainwindow/qt/help_window.h"
#include "mainwindow/qt/options_window.h"
#include "settings/window_settings.h"
#include "window_fixture.h"

namespace kairotex::test {

class SmallWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void optionsEditorSaveQuitRestore();
  void helpWindowShowsEachFileAndMissingFilesAreNamed();
  void aboutWindowClosesOnAClick();
  void shutdownWritesTheSettings();
  void printsBothPagesToPdfAndCancelPrintsNothing();
};

namespace {
namespace fs = std::filesystem;

OptionsWindow* OpenOptionsEditor(WindowFixture& f) {
  f.Command("mnuOptionsOptions")->trigger();
  return f.window->findChild<OptionsWindow*>(QStringLiteral("Options"));
}

QPlainTextEdit* EditorText(OptionsWindow* editor) {
  return editor->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
}

// Replaces line `number` (from 1) of the editor's text.
void EditLine(QPlainTextEdit* text, int number, const QString& value) {
  QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
  lines[number - 1] = value;
  text->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace

void SmallWindowsTest::optionsEditorSaveQuitRestore() {
  WindowFixture f;
  const std::string delivered = f.File("OPTIONS.OPT");
  OptionsWindow* editor = OpenOptionsEditor(f);
  QVERIFY(editor != nullptr);
  QCOMPARE(editor->windowTitle(), QStringLiteral("Edit: OPTIONS.OPT"));
  QPlainTextEdit* text = EditorText(editor);
  // The editor shows the lines without their carriage returns.
  QVERIFY(text->toPlainText().startsWith(QString::fromLatin1(delivered.substr(0, 12).c_str())));
  QVERIFY(!text->toPlainText().contains(QLatin1Char('\r')));

  // Save writes the file and the table takes the new value at once.
  EditLine(text, 13, QStringLiteral("7"));
  Click(editor, "btnSave");
  QCOMPARE(f.context.program.options[13], 7.0f);
  QVERIFY(f.File("OPTIONS.OPT") != delivered);
  QVERIFY(f.File("OPTIONS.OPT").find("\r\n") != std::string::npos);

  // Restore default puts OPTIONS.MST back and shows it; the table waits for Save.
  Click(editor, "cmdRestoreDefault");
  QCOMPARE(f.File("OPTIONS.OPT"), f.File("OPTIONS.MST"));
  QCOMPARE(f.context.program.options[13], 7.0f);
  QVERIFY(!text->toPlainText().split(QLatin1Char('\n'))[12].startsWith(QLatin1Char('7')));

  // Quit leaves the file as it is.
  EditLine(text, 13, QStringLiteral("9"));
  QPointer<OptionsWindow> watched(editor);
  Click(editor, "btnQuit");
  QTRY_VERIFY(watched.isNull());
  QCOMPARE(f.File("OPTIONS.OPT"), f.File("OPTIONS.MST"));
  QVERIFY(f.messages.texts.empty());
}

void SmallWindowsTest::helpWindowShowsEachFileAndMissingFilesAreNamed() {
  WindowFixture f;
  for (const HelpItem& item : kHelpItems) {
    const std::string menu_item(item.menu_item), file_name(item.file_name);
    f.Command(menu_item.c_str())->trigger();
    HelpWindow* help = f.window->help_window();
    QVERIFY2(help != nullptr, file_name.c_str());
    QCOMPARE(help->windowTitle(), QString::fromStdString(file_name));
    QVERIFY(help->isVisible());
    auto* text = help->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QVERIFY(text->isReadOnly());
    QVERIFY(!text->toPlainText().isEmpty());
  }
  Click(f.window->help_window(), "Command1");
  QVERIFY(!f.window->help_window()->isVisible());
  QVERIFY(f.messages.texts.empty());
  WindowFixture missing([](const std::string& dir) { fs::remove(dir + "/HINTS.HLP"); });
  missing.Command("mnuHelpHints")->trigger();
  QVERIFY(missing.window->help_window() == nullptr);
  fs::remove(missing.dir + "/OPTIONS.OPT");
  QVERIFY(OpenOptionsEditor(missing) == nullptr);
  QCOMPARE(missing.messages.texts, std::vector<std::string>({"HINTS.HLP Help File Not Found",
                                                             "OPTIONS.OPT File Not Found"}));
}

void SmallWindowsTest::aboutWindowClosesOnAClick() {
  WindowFixture f;
  f.Command("mnuHelpAbout")->trigger();
  QPointer<AboutWindow> about = f.window->findChild<AboutWindow*>();
  QVERIFY(about != nullptr);
  QVERIFY(QTest::qWaitForWindowExposed(about.data()));
  QTest::mouseClick(about.data(), Qt::LeftButton);
  QTRY_VERIFY(about.isNull() || !about->isVisible());
}

void SmallWindowsTest::shutdownWritesTheSettings() {
  WindowFixture f;
  f.Command("mnuCTEuropean")->trigger();
  f.window->resize(700, 500);
  QCoreApplication::processEvents();
  const WindowSettings before = f.context.window;
  fs::remove(f.dir + "/KAIROTEX.INI");
  f.Command("mnuFileExit")->trigger();
  QCOMPARE(f.shutdowns, 1);
  QVERIFY(fs::exists(f.dir + "/KAIROTEX.INI"));
  const WindowSettings read = LoadWindowSettings(f.dir);
  QCOMPARE(read.TypeChart, int16_t{1});
  QCOMPARE(read.StartScale, before.StartScale);
  QCOMPARE(WindowSettingsText(read), WindowSettingsText(before));
  // Closing again (the window's own close) does not save twice.
  f.window->close();
  QCOMPARE(f.shutdowns, 1);
}

void SmallWindowsTest::printsBothPagesToPdfAndCancelPrintsNothing() {
  for (const PrintChoice choice : {PrintChoice::kFullPage, PrintChoice::kHalfPage}) {
    WindowFixture f;
    const std::string pdf = f.dir + "/chart.pdf";
    f.window->ask_print_choice = [choice] { return choice; };
    f.window->choose_printer = PrintToPdfFile(pdf);
    f.Command("mnuPrintChartwheel")->trigger();
    const std::string bytes = ReadText(pdf);
    QVERIFY(bytes.rfind("%PDF", 0) == 0);
    QVERIFY(bytes.size() > 5000);  // a drawn page, not an empty one
    QVERIFY(f.messages.texts.empty());
  }
  WindowFixture f;
  bool asked_printer = false;
  f.window->ask_print_choice = [] { return PrintChoice::kCancel; };
  f.window->choose_printer = [&asked_printer](QPrinter&) { return asked_printer = true; };
  f.Command("mnuPrintChartwheel")->trigger();
  QVERIFY(!asked_printer);
  // A printer dialog cancelled prints nothing either.
  f.window->ask_print_choice = [] { return PrintChoice::kFullPage; };
  f.window->choose_printer = [](QPrinter& printer) {
    printer.setOutputFileName(QString());
    return false;
  };
  f.Command("mnuPrintChartwheel")->trigger();
  QVERIFY(f.messages.texts.empty());
}

const RegisterWindowTest<SmallWindowsTest> registeredSmallWindowsTest("SmallWindowsTest");

}  // namespace kairotex::test

#include "small_windows_test.moc"
