// The aspect window, "Select new orb file" and "Edit orb file", through
// their menu commands.
#include "mainwindow/qt/aspect_window.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "aspects/aspect_list.h"
#include "aspects/aspect_list_glyphs.h"
#include "aspects/orb_file.h"
#include "mainwindow/qt/orbs_edit_window.h"
#include "window_fixture.h"

namespace kairotex::test {

class AspectWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void listIsTheChartsAspectsAndAStepClosesIt();
  void chosenOrbFileHoldsUntilTheNextStep();
  void missingOrbFileOpensNothing();
  void orbEditorSavesAndQuits();
};

namespace {
namespace fs = std::filesystem;

// The list the command line's `aspects --glyphs` prints for the chart.
QString ExpectedList(WindowFixture& f, const std::string& orb_file) {
  OrbTable orbs{};
  RecordingMessages quiet;
  if (!ReadOrbFile(orb_file, orbs, quiet)) return {};
  QString text = QString::fromLatin1(
      AspectListGlyphText(BuildAspectList(f.context.chart, orbs, false), false).c_str());
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Orbs of 0 except a wide conjunction: a list that differs from NATAL.ORB's.
void WriteTightOrbFile(const std::string& path) {
  std::string text = "12\r\n";
  for (int n = 2; n <= 17; ++n) text += "0\r\n";
  WriteText(path, text);
}

}  // namespace

void AspectWindowTest::listIsTheChartsAspectsAndAStepClosesIt() {
  WindowFixture f;
  f.Command("mnuAspects")->trigger();
  QPointer<AspectWindow> aspects = f.window->aspect_window();
  QVERIFY(aspects);
  QCOMPARE(aspects->windowTitle(), QStringLiteral("Aspects"));
  QCOMPARE(aspects->Text(), ExpectedList(f, f.dir + "/NATAL.ORB"));
  QVERIFY(aspects->Text().count(QLatin1Char('\n')) > 4);
  auto* text = aspects->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  QVERIFY(text->isReadOnly());
  QCOMPARE(text->font().pointSize(), 12);
  // Every new chart closes the list of the old one.
  f.Command("mnuUpdateAddDay")->trigger();
  QTRY_VERIFY(aspects.isNull());
  QVERIFY(f.window->aspect_window() == nullptr);
}

void AspectWindowTest::chosenOrbFileHoldsUntilTheNextStep() {
  WindowFixture f;
  WriteTightOrbFile(f.dir + "/TIGHT.ORB");
  std::string offered_folder, offered_file;
  f.window->choose_orb_file = [&](const std::string& folder, const std::string& preselected) {
    offered_folder = folder, offered_file = preselected;
    return f.dir + "/TIGHT.ORB";
  };
  f.Command("mnuOrbsChange")->trigger();
  QCOMPARE(offered_folder, f.dir);
  QCOMPARE(offered_file, f.dir + "/NATAL.ORB");
  QVERIFY(f.window->aspect_window() != nullptr);
  QCOMPARE(f.window->aspect_window()->Text(), ExpectedList(f, f.dir + "/TIGHT.ORB"));
  QVERIFY(ExpectedList(f, f.dir + "/TIGHT.ORB") != ExpectedList(f, f.dir + "/NATAL.ORB"));
  // Cancel changes nothing; a step brings NATAL.ORB back.
  f.window->choose_orb_file = [](const std::string&, const std::string&) { return std::string(); };
  f.Command("mnuOrbsChange")->trigger();
  QCOMPARE(f.context.chart.CurrentOrbFile, f.dir + "/TIGHT.ORB");
  f.Command("mnuUpdateAddMinute")->trigger();
  f.Command("mnuAspects")->trigger();
  QCOMPARE(f.window->aspect_window()->Text(), ExpectedList(f, f.dir + "/NATAL.ORB"));
  QVERIFY(f.messages.texts.empty());
}

void AspectWindowTest::missingOrbFileOpensNothing() {
  WindowFixture f;
  fs::remove(f.dir + "/NATAL.ORB");
  const std::string message = OrbFileNotFoundMessage(f.dir + "/NATAL.ORB");
  f.Command("mnuAspects")->trigger();
  QVERIFY(f.window->aspect_window() == nullptr);
  f.Command("mnuOrbsEdit")->trigger();
  QVERIFY(f.window->findChild<OrbsEditWindow*>() == nullptr);
  bool chooser_opened = false;
  f.window->choose_orb_file = [&](const std::string&, const std::string&) {
    chooser_opened = true;
    return std::string();
  };
  f.Command("mnuOrbsChange")->trigger();
  QVERIFY(chooser_opened);  // another file may still be chosen
  QCOMPARE(f.messages.texts, std::vector<std::string>(3, message));
}

void AspectWindowTest::orbEditorSavesAndQuits() {
  WindowFixture f;
  f.Command("mnuOrbsEdit")->trigger();
  QPointer<OrbsEditWindow> editor = f.window->findChild<OrbsEditWindow*>();
  QVERIFY(editor);
  QCOMPARE(editor->windowTitle(), QString::fromStdString("Edit: " + f.dir + "/NATAL.ORB"));
  auto* text = editor->findChild<QPlainTextEdit*>(QStringLiteral("txtContent"));
  const std::string delivered = ReadText(f.dir + "/NATAL.ORB");
  text->setPlainText(QStringLiteral("12\n") + text->toPlainText().section(QLatin1Char('\n'), 1));
  Click(editor, "btnSave");
  QVERIFY(editor);  // Save keeps the window open
  const std::string saved = ReadText(f.dir + "/NATAL.ORB");
  QCOMPARE(saved.substr(0, 4), std::string("12\r\n"));
  QCOMPARE(saved.substr(saved.find("\r\n")), delivered.substr(delivered.find("\r\n")));
  Click(editor, "btnQuit");
  QTRY_VERIFY(editor.isNull());
}

const RegisterWindowTest<AspectWindowTest> registeredAspectWindowTest("AspectWindowTest");

}  // namespace kairotex::test

#include "aspect_window_test.moc"
