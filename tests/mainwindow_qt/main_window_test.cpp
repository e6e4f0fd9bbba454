// The main window: its menus, what start-up shows, the refused second copy,
// the keys that step the chart and choose houses, styles and views, and the
// small windows it opens (options, help, About, aspects, orbs) and printing.
// The rules are the core's (tests/mainwindow).
#include <QMenu>
#include <QSysInfo>

#include "aspects/aspect_list.h"
#include "aspects/aspect_list_glyphs.h"
#include "aspects/orb_file.h"
#include "mainwindow/help_files.h"
#include "mainwindow/qt/about_window.h"
#include "mainwindow/qt/aspect_window.h"
#include "mainwindow/qt/chart_view.h"
#include "mainwindow/qt/help_window.h"
#include "mainwindow/qt/options_window.h"
#include "mainwindow/qt/orbs_edit_window.h"
#include "mainwindow/qt/single_copy.h"
#include "mainwindow/qt/title_window.h"
#include "settings/window_settings.h"
#include "window_fixture.h"

namespace kairotex::test {
namespace {

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

// The list the command line's `aspects --glyphs` prints for the chart.
QString ExpectedList(WindowFixture& f, const char* orb_file) {
  OrbTable orbs{};
  RecordingMessages quiet;
  if (!ReadOrbFile(f.dir + "/" + orb_file, orbs, quiet)) return {};
  return QString::fromLatin1(
             AspectListGlyphText(BuildAspectList(f.context.chart, orbs, false), false).c_str())
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void menusAsDesignedAndNoTwoCommandsShareAKey() {
    WindowFixture f;
    QCOMPARE(MenuLines(f.window->menuBar()), GoldenLines("main_menus.txt"));
    QStringList keys;  // the hidden commands included
    for (QAction* action : f.window->findChildren<QAction*>())
      if (!action->shortcut().isEmpty()) keys << action->shortcut().toString();
    QCOMPARE(keys.removeDuplicates(), 0);
  }

  void checkMarksFromTheOptionsAndTheSettingsFile() {
    WindowFixture f([](const std::string& dir) { SetOptionLine(dir, 27, "3"); });
    for (QAction* item : f.window->findChild<QMenu*>("mnuHouseSystem")->actions())
      QVERIFY2(item->isChecked() == (item->objectName() == "mnuHouseKoch"),
               qPrintable(item->objectName()));
    QVERIFY(f.Command("mnuElectionsRunning")->isChecked());
    QVERIFY(!f.Command("mnuHelioChart")->isChecked() &&
            !f.Command("mnuDeclinationChart")->isChecked());
    // The chart exists, so the style items are shown, American checked (no INI).
    QVERIFY(f.Command("mnuCTAmerican")->isVisible() && f.Command("mnuCTAmerican")->isChecked());
    WindowFixture european(
        [](const std::string& dir) { WriteText(dir + "/KAIROTEX.INI", "TypeChart= 1\r\n"); });
    QVERIFY(european.Command("mnuCTEuropean")->isChecked());
    QVERIFY(!european.Command("mnuCTAmerican")->isChecked());
  }

  void captionAndChartFollowTheClock() {
    WindowFixture f([](const std::string& dir) { WriteText(dir + "/MYNAME", "Ann\n"); });
    QCOMPARE(f.window->windowTitle(), QStringLiteral("KAIROTEX"));
    f.clock.Set({2026, 12, 7, 10, 30, 18}, 5);
    QTRY_VERIFY_WITH_TIMEOUT(f.window->windowTitle().contains("10:30:18"), 3000);  // the real timer
    f.window->timer()->stop();
    QVERIFY(f.window->windowTitle().startsWith("Ann KAIROTEX"));  // the rest is the core's
    const int paints = f.window->chart_view()->paint_count();
    f.clock.Set({2026, 12, 7, 10, 32, 0}, 5);
    f.window->Timer1_Timer();
    QCOMPARE(f.Heading(3), QStringLiteral("10.32 A.M. (5)"));
    QVERIFY(f.window->chart_view()->paint_count() > paints);
  }

  void titleWindowByOption48() {
    QVERIFY(WindowFixture().window->findChild<TitleWindow*>("TITLE") == nullptr);
    WindowFixture f([](const std::string& dir) { SetOptionLine(dir, 48, "1"); });
    auto* title = f.window->findChild<TitleWindow*>("TITLE");
    QVERIFY(title != nullptr && title->isVisible() && title->isModal());
    Click(title, "cmdOK");
    QTRY_VERIFY(f.window->findChild<TitleWindow*>("TITLE") == nullptr);
  }

  void secondCopyIsRefused() {
    const std::string dir = MakeTempDir("lock");
    SingleCopyLock first(dir), second(dir);
    QCOMPARE(first.Acquire(), SingleCopyLock::Result::kAcquired);
    QCOMPARE(second.Acquire(), SingleCopyLock::Result::kHeldByAnotherCopy);
    // A lock left by a run that crashed (its process is gone) is taken over.
    const std::string stale = MakeTempDir("stale-lock");
    WriteText(stale + "/kairotex.lock",
              "2147483000\nkairotex\n" + QSysInfo::machineHostName().toStdString() + "\n");
    QCOMPARE(SingleCopyLock(stale).Acquire(), SingleCopyLock::Result::kAcquired);
    // No folder: no lock, and not another copy either.
    QCOMPARE(SingleCopyLock(dir + "/missing").Acquire(), SingleCopyLock::Result::kUnavailable);
    fs::remove_all(stale);
  }

  void escBringsTheWindowToTheFrontAtTheScreenClassSize() {
    WindowFixture f;
    // 14050 x 11505 twips at 15 twips a pixel, the frame included.
    QCOMPARE(f.window->frameGeometry().size(), QSize(936, 767));
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QApplication::setActiveWindow(&other);
    f.window->findChild<QAction*>("BringToFront")->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), f.window.get());
    QVERIFY(f.window->chart_view()->hasFocus());
    // Maximised, the window is left as it is by the next chart.
    f.window->showMaximized();
    QTest::qWait(50);
    const QSize maximised = f.window->size();
    f.Command("mnuUpdateAddDay")->trigger();
    QCOMPARE(f.window->size(), maximised);
  }

  void keysCheckTheItemsChosenAndStepTheChart() {
    WindowFixture f;
    const auto key = [&f](Qt::Key k, Qt::KeyboardModifiers m = {}) {
      QTest::keyClick(f.window.get(), k, m);
    };
    key(Qt::Key_F4, Qt::ControlModifier);
    QCOMPARE(f.Heading(7), QStringLiteral("Koch"));
    f.Command("mnuHouseMeridian")->trigger();
    f.Command("mnuHouseMeridian")->trigger();  // chosen again, it stays checked
    QVERIFY(f.Command("mnuHouseMeridian")->isChecked() && !f.Command("mnuHouseKoch")->isChecked());
    key(Qt::Key_F8);
    QCOMPARE(f.context.window.TypeChart, int16_t{1});
    QVERIFY(f.Command("mnuCTEuropean")->isChecked() && !f.Command("mnuCTAmerican")->isChecked());
    key(Qt::Key_F9);
    QVERIFY(f.Command("mnuDeclinationChart")->isChecked());
    QVERIFY(f.Heading(1).endsWith(" - declinations"));
    key(Qt::Key_H, Qt::ControlModifier);
    key(Qt::Key_F9);
    QVERIFY(f.Command("mnuHelioChart")->isChecked() && f.Heading(1).endsWith(" - heliocentric"));
    QVERIFY(f.Command("mnuElectionsRunning")->isChecked());  // views keep the clock
    key(Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(f.Heading(3), QStringLiteral("11.30 A.M. (5)"));
    QVERIFY(!f.Command("mnuElectionsRunning")->isChecked());
  }

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
      QVERIFY(text != nullptr && text->isReadOnly() && text->toPlainText().size() > 200);
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

  void precisePositionsRecastTheChartAndTheCheckMarkSurvivesARestart() {
    WindowFixture f;
    QVERIFY(!f.Command("mnuPrecisePositions")->isChecked());
    f.Command("mnuPrecisePositions")->trigger();
    QVERIFY(f.Command("mnuPrecisePositions")->isChecked());
    QCOMPARE(f.context.chart.ChartHeading[7], std::string("Placidus - precise"));
    f.Command("mnuFileExit")->trigger();
    const std::string settings = ReadText(f.dir + "/KAIROTEX.INI");
    WindowFixture restarted(
        [settings](const std::string& dir) { WriteText(dir + "/KAIROTEX.INI", settings); });
    QVERIFY(restarted.Command("mnuPrecisePositions")->isChecked());
    QCOMPARE(restarted.context.chart.EphemerisUsed, EphemerisKind::kSwiss);
    f.window->close();
  }

  void printsBothPagesToPdfAndCancelPrintsNothing() {
    WindowFixture f;
    for (const PrintChoice choice : {PrintChoice::kFullPage, PrintChoice::kHalfPage}) {
      const std::string pdf = f.dir + "/chart.pdf";
      fs::remove(pdf);
      f.window->ask_print_choice = [choice] { return choice; };
      f.window->choose_printer = PrintToPdfFile(pdf);
      f.Command("mnuPrintChartwheel")->trigger();
      const std::string bytes = ReadText(pdf);
      QVERIFY(bytes.starts_with("%PDF") && bytes.size() > 5000);  // a drawn page, not an empty one
    }
    bool asked_printer = false;
    f.window->ask_print_choice = [] { return PrintChoice::kCancel; };
    f.window->choose_printer = [&asked_printer](QPrinter&) { return asked_printer = true; };
    f.Command("mnuPrintChartwheel")->trigger();
    QVERIFY(!asked_printer);
    QVERIFY(f.messages.texts.empty());
  }

  // The list is the chart's aspects for the chosen orb file until the next chart.
  void aspectListFollowsTheChosenOrbFile() {
    WindowFixture f;
    std::string tight = "12\r\n";  // orbs of 0 but a wide conjunction
    for (int n = 2; n <= 17; ++n) tight += "0\r\n";
    WriteText(f.dir + "/TIGHT.ORB", tight);
    f.Command("mnuAspects")->trigger();
    QVERIFY(f.window->aspect_window());
    QCOMPARE(f.window->aspect_window()->Text(), ExpectedList(f, "NATAL.ORB"));
    std::string offered_folder, offered_file;
    f.window->choose_orb_file = [&](const std::string& folder, const std::string& preselected) {
      offered_folder = folder, offered_file = preselected;
      return f.dir + "/TIGHT.ORB";
    };
    f.Command("mnuOrbsChange")->trigger();
    QCOMPARE(offered_folder + "|" + offered_file, f.dir + "|" + f.dir + "/NATAL.ORB");
    QCOMPARE(f.window->aspect_window()->Text(), ExpectedList(f, "TIGHT.ORB"));
    // Every new chart closes the list of the old one and brings NATAL.ORB back.
    f.Command("mnuUpdateAddMinute")->trigger();
    QTRY_VERIFY(f.window->aspect_window() == nullptr);
    f.Command("mnuAspects")->trigger();
    QCOMPARE(f.window->aspect_window()->Text(), ExpectedList(f, "NATAL.ORB"));
    QVERIFY(f.messages.texts.empty());
  }

  void missingOrbFileOpensNothingButTheChooser() {
    WindowFixture f;
    fs::remove(f.dir + "/NATAL.ORB");
    f.Command("mnuAspects")->trigger();
    QVERIFY(f.window->aspect_window() == nullptr);
    f.Command("mnuOrbsEdit")->trigger();
    QVERIFY(f.window->findChild<OrbsEditWindow*>() == nullptr);
    bool chooser_opened = false;
    f.window->choose_orb_file = [&](const std::string&, const std::string&) {
      chooser_opened = true;
      return std::string();  // Cancel
    };
    f.Command("mnuOrbsChange")->trigger();
    QVERIFY(chooser_opened);  // another file may still be chosen
    QCOMPARE(f.context.chart.CurrentOrbFile, f.dir + "/NATAL.ORB");
    QCOMPARE(f.messages.texts,
             std::vector<std::string>(3, OrbFileNotFoundMessage(f.dir + "/NATAL.ORB")));
  }

  // Quit is the options editor's, the same window.
  void orbEditorSavesTheChartsOrbFile() {
    WindowFixture f;
    f.Command("mnuOrbsEdit")->trigger();
    auto* editor = f.window->findChild<OrbsEditWindow*>();
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QString::fromStdString("Edit: " + f.dir + "/NATAL.ORB"));
    auto* text = editor->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
    const std::string delivered = f.File("NATAL.ORB");
    text->setPlainText(QStringLiteral("12\n") + text->toPlainText().section(QLatin1Char('\n'), 1));
    Click(editor, "btnSave");
    QCOMPARE(f.File("NATAL.ORB"), "12\r\n" + delivered.substr(delivered.find("\r\n") + 2));
  }
};

const RegisterWindowTest<MainWindowTest> registeredMainWindowTest("MainWindowTest");

}  // namespace kairotex::test

#include "main_window_test.moc"
