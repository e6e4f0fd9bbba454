// The aspect window, "Select new orb file" and "Edit orb file", through
// their menu commands.
#include "mainwindow/qt/aspect_window.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <filesystem>

#include "aspects/aspect_list.h"
#include "aspects/aspect_list_glyphs.h"
#include "aspects/orb_file.h"
#include "mainwindow/qt/orbs_edit_window.h"
#include "window_fixture.h"

namespace kairotex::test {
namespace {

// The list the command line's `aspects --glyphs` prints for the chart.
QString ExpectedList(WindowFixture& f, const std::string& orb_file) {
  OrbTable orbs{};
  RecordingMessages quiet;
  if (!ReadOrbFile(orb_file, orbs, quiet)) return {};
  return QString::fromLatin1(
             AspectListGlyphText(BuildAspectList(f.context.chart, orbs, false), false).c_str())
      .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

class AspectWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void listIsTheChartsAspectsForTheChosenOrbFileUntilTheNextStep() {
    WindowFixture f;
    std::string tight = "12\r\n";  // orbs of 0 but a wide conjunction
    for (int n = 2; n <= 17; ++n) tight += "0\r\n";
    WriteText(f.dir + "/TIGHT.ORB", tight);
    f.Command("mnuAspects")->trigger();
    QPointer<AspectWindow> aspects = f.window->aspect_window();
    QVERIFY(aspects);
    QCOMPARE(aspects->windowTitle(), QStringLiteral("Aspects"));
    QCOMPARE(aspects->Text(), ExpectedList(f, f.dir + "/NATAL.ORB"));
    auto* list = aspects->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QVERIFY(list->isReadOnly() && list->font().pointSize() == 12);
    std::string offered_folder, offered_file;
    f.window->choose_orb_file = [&](const std::string& folder, const std::string& preselected) {
      offered_folder = folder, offered_file = preselected;
      return f.dir + "/TIGHT.ORB";
    };
    f.Command("mnuOrbsChange")->trigger();
    QCOMPARE(offered_folder, f.dir);
    QCOMPARE(offered_file, f.dir + "/NATAL.ORB");
    QCOMPARE(f.window->aspect_window()->Text(), ExpectedList(f, f.dir + "/TIGHT.ORB"));
    QVERIFY(ExpectedList(f, f.dir + "/TIGHT.ORB") != ExpectedList(f, f.dir + "/NATAL.ORB"));
    // Every new chart closes the list of the old one and brings NATAL.ORB back.
    f.Command("mnuUpdateAddMinute")->trigger();
    QTRY_VERIFY(f.window->aspect_window() == nullptr);
    f.Command("mnuAspects")->trigger();
    QCOMPARE(f.window->aspect_window()->Text(), ExpectedList(f, f.dir + "/NATAL.ORB"));
    QVERIFY(f.messages.texts.empty());
  }

  void missingOrbFileOpensNothingButTheChooser() {
    WindowFixture f;
    std::filesystem::remove(f.dir + "/NATAL.ORB");
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

  void orbEditorSavesAndQuits() {
    WindowFixture f;
    f.Command("mnuOrbsEdit")->trigger();
    QPointer<OrbsEditWindow> editor = f.window->findChild<OrbsEditWindow*>();
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QString::fromStdString("Edit: " + f.dir + "/NATAL.ORB"));
    auto* text = editor->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
    const std::string delivered = f.File("NATAL.ORB");
    text->setPlainText(QStringLiteral("12\n") + text->toPlainText().section(QLatin1Char('\n'), 1));
    Click(editor, "btnSave");
    QVERIFY(editor);  // Save keeps the window open
    QCOMPARE(f.File("NATAL.ORB"), "12\r\n" + delivered.substr(delivered.find("\r\n") + 2));
    Click(editor, "btnQuit");
    QTRY_VERIFY(editor.isNull());
  }
};

const RegisterWindowTest<AspectWindowTest> registeredAspectWindowTest("AspectWindowTest");

}  // namespace kairotex::test

#include "aspect_window_test.moc"
