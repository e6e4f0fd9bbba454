// The options editor, the help window, About, shutdown and printing the chart.
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <filesystem>

#include "mainwindow/help_files.h"
#include "mainwindow/qt/about_window.h"
#include "mainwindow/qt/help_window.h"
#include "mainwindow/qt/options_window.h"
#include "settings/window_settings.h"
#include "window_fixture.h"

namespace kairotex::test {
namespace {
namespace fs = std::filesystem;

OptionsWindow* OpenOptionsEditor(WindowFixture& f) {
  f.Command("mnuOptionsOptions")->trigger();
  return f.window->findChild<OptionsWindow*>(QStringLiteral("Options"));
}

// Line 13 of the editor's text becomes `value`.
void EditLine13(QPlainTextEdit* text, const QString& value) {
  QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
  lines[12] = value;
  text->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace

class SmallWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void optionsEditorSaveRestoreQuit() {
    WindowFixture f;
    const std::string delivered = f.File("OPTIONS.OPT");
    QPointer<OptionsWindow> editor = OpenOptionsEditor(f);
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Edit: OPTIONS.OPT"));
    auto* text = editor->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
    QCOMPARE(text->toPlainText().replace("\n", "\r\n").toStdString(), delivered);
    EditLine13(text, QStringLiteral("7"));
    Click(editor, "btnSave");  // the table takes the new value at once
    QCOMPARE(f.context.program.options[13], 7.0f);
    QVERIFY(f.File("OPTIONS.OPT") != delivered);
    // Restore default puts OPTIONS.MST back and shows it; the table waits for Save.
    Click(editor, "cmdRestoreDefault");
    QCOMPARE(f.File("OPTIONS.OPT"), f.File("OPTIONS.MST"));
    QCOMPARE(f.context.program.options[13], 7.0f);
    QVERIFY(!text->toPlainText().split(QLatin1Char('\n'))[12].startsWith(QLatin1Char('7')));
    EditLine13(text, QStringLiteral("9"));
    Click(editor, "btnQuit");  // Quit leaves the file as it is
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(f.File("OPTIONS.OPT"), f.File("OPTIONS.MST"));
    QVERIFY(f.messages.texts.empty());
  }

  void helpWindowShowsEachFileAndMissingFilesAreNamed() {
    WindowFixture f;
    for (const HelpItem& item : kHelpItems) {
      QAction* command = f.Command(std::string(item.menu_item).c_str());
      QVERIFY2(command != nullptr, item.menu_item.data());
      command->trigger();
      HelpWindow* help = f.window->help_window();
      QVERIFY(help != nullptr && help->isVisible());
      QCOMPARE(help->windowTitle(), QString::fromLatin1(item.file_name));
      auto* text = help->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
      QVERIFY(text != nullptr);
      QVERIFY(text->isReadOnly() && text->toPlainText().size() > 200);
    }
    Click(f.window->help_window(), "Command1");
    QVERIFY(!f.window->help_window()->isVisible());
    fs::remove(f.dir + "/HINTS.HLP");
    fs::remove(f.dir + "/OPTIONS.OPT");
    f.Command("mnuHelpHints")->trigger();
    QVERIFY(f.window->help_window() == nullptr);
    QVERIFY(OpenOptionsEditor(f) == nullptr);
    QCOMPARE(f.messages.texts, std::vector<std::string>({"HINTS.HLP Help File Not Found",
                                                         "OPTIONS.OPT File Not Found"}));
  }

  void aboutClosesOnAClickAndExitWritesTheSettingsOnce() {
    WindowFixture f;
    f.Command("mnuHelpAbout")->trigger();
    QPointer<AboutWindow> about = f.window->findChild<AboutWindow*>();
    QVERIFY(about && QTest::qWaitForWindowExposed(about.data()));
    QTest::mouseClick(about.data(), Qt::LeftButton);
    QTRY_VERIFY(about.isNull() || !about->isVisible());
    f.Command("mnuCTEuropean")->trigger();
    f.window->resize(700, 500);
    QCoreApplication::processEvents();
    fs::remove(f.dir + "/KAIROTEX.INI");
    f.Command("mnuFileExit")->trigger();
    QCOMPARE(f.shutdowns, 1);
    const WindowSettings read = LoadWindowSettings(f.dir);
    QCOMPARE(read.TypeChart, int16_t{1});
    QCOMPARE(WindowSettingsText(read), WindowSettingsText(f.context.window));
    f.window->close();  // the window's own close does not save twice
    QCOMPARE(f.shutdowns, 1);
  }

  void printsBothPagesToPdfAndCancelPrintsNothing() {
    WindowFixture f;
    for (const PrintChoice choice : {PrintChoice::kFullPage, PrintChoice::kHalfPage}) {
      const std::string pdf = f.dir + "/chart.pdf";
      fs::remove(pdf);
      f.window->ask_print_choice = [choice] { return choice; };
      f.window->choose_printer = PrintToPdfFile(pdf);
      f.Command("mnuPrintChartwheel")->trigger();
      QVERIFY(ReadText(pdf).starts_with("%PDF"));
      QVERIFY(ReadText(pdf).size() > 5000);  // a drawn page, not an empty one
    }
    bool asked_printer = false;
    f.window->ask_print_choice = [] { return PrintChoice::kCancel; };
    f.window->choose_printer = [&asked_printer](QPrinter&) { return asked_printer = true; };
    f.Command("mnuPrintChartwheel")->trigger();
    QVERIFY(!asked_printer);
    QVERIFY(f.messages.texts.empty());
  }
};

const RegisterWindowTest<SmallWindowsTest> registeredSmallWindowsTest("SmallWindowsTest");

}  // namespace kairotex::test

#include "small_windows_test.moc"
