// "Find elections...": a search runs on its thread to the end and fills the
// table, Cancel stops a long one, a double-click sets the chart, a
// latitude the engine refuses is refused before the search, and Export
// writes the windows. The rules are the core's (tests/elect).
#include "elect/qt/finder_dialog.h"

#include <QCompleter>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableWidget>

#include "elect/moment.h"
#include "window_fixture.h"

namespace kairotex::test {
namespace {

template <class Widget>
Widget* Child(QWidget* dialog, const char* name) {
  auto* found = dialog->findChild<Widget*>(QString::fromLatin1(name));
  if (found == nullptr) qFatal("no control %s", name);
  return found;
}

// The dialog opened from the Elect menu over a range of local days at the
// chart's place, under the first preset (marriage).
FinderDialog* OpenFinder(WindowFixture& f, QDate from, QDate to) {
  f.Command("mnuElectionsFind")->trigger();
  FinderDialog* dialog = f.window->finder_dialog();
  if (dialog == nullptr) qFatal("no finder dialog");
  Child<QDateTimeEdit>(dialog, "dteFrom")->setDateTime(QDateTime(from, QTime(0, 0), Qt::UTC));
  Child<QDateTimeEdit>(dialog, "dteTo")->setDateTime(QDateTime(to, QTime(23, 59), Qt::UTC));
  return dialog;
}

// Runs the search to its end; false when it does not end within 20 s.
bool SearchToTheEnd(FinderDialog* dialog) {
  QSignalSpy finished(dialog, &FinderDialog::searchFinished);
  Click(dialog, "cmdSearch");
  return finished.wait(20000);
}

}  // namespace

class FinderDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void searchRunsToTheEndAndFillsTheTable() {
    WindowFixture f;
    FinderDialog* dialog = OpenFinder(f, QDate(2026, 12, 7), QDate(2026, 12, 8));
    QVERIFY(!dialog->isModal());
    QVERIFY(SearchToTheEnd(dialog));
    QVERIFY(!dialog->searching() && !dialog->result().cancelled);
    const std::vector<ElectionWindow>& windows = dialog->result().windows;
    QVERIFY(!windows.empty());
    auto* table = Child<QTableWidget>(dialog, "grdResults");
    QCOMPARE(table->rowCount(), static_cast<int>(windows.size()));
    for (size_t i = 1; i < windows.size(); ++i) QVERIFY(windows[i - 1].score >= windows[i].score);
    QCOMPARE(table->item(0, 3)->text().toStdString(),
             FinderLocalText(dialog->search().place, windows[0].best_unix));
    QCOMPARE(Child<QProgressBar>(dialog, "prgSearch")->value(),
             Child<QProgressBar>(dialog, "prgSearch")->maximum());
    // The first row is selected, and beside it its explanation and tolerance.
    const QString explanation = Child<QPlainTextEdit>(dialog, "txtExplanation")->toPlainText();
    QVERIFY2(explanation.contains(
                 QString::fromStdString(std::string(InfoOf(ConditionKind::kMoonNotVoid).name))),
             qPrintable(explanation));
    QVERIFY(explanation.contains(QStringLiteral("Tolerance:")));
  }

  // How soon Cancel is heard is measured in bench/elect_bench (BM_CancelLatency);
  // here, that a four-year search stops cancelled and says so.
  void cancelStopsALongSearch() {
    WindowFixture f;
    FinderDialog* dialog = OpenFinder(f, QDate(2026, 12, 7), QDate(2030, 12, 7));
    QSignalSpy finished(dialog, &FinderDialog::searchFinished);
    Click(dialog, "cmdSearch");
    QVERIFY(dialog->searching());
    // The window stays responsive: its events run and the progress moves.
    QTRY_VERIFY_WITH_TIMEOUT(Child<QProgressBar>(dialog, "prgSearch")->value() > 0, 10000);
    Click(dialog, "cmdCancel");
    QVERIFY(finished.wait(5000));
    QVERIFY(dialog->result().cancelled && !dialog->searching());
    QVERIFY(Child<QLabel>(dialog, "lblStatus")->text().startsWith(QStringLiteral("Cancelled")));
  }

  void closingDuringASearchCancelsIt() {
    WindowFixture f;
    QPointer<FinderDialog> dialog = OpenFinder(f, QDate(2026, 12, 7), QDate(2030, 12, 7));
    Click(dialog, "cmdSearch");
    QVERIFY(dialog->searching());
    dialog->close();
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 5000);
  }

  void doubleClickSetsTheChartAndStopsTheClock() {
    WindowFixture f;
    f.context.checks.ElectionsRunning = true;
    FinderDialog* dialog = OpenFinder(f, QDate(2026, 12, 7), QDate(2026, 12, 8));
    QVERIFY(SearchToTheEnd(dialog));
    QVERIFY(dialog->result().windows.size() >= 2);
    auto* table = Child<QTableWidget>(dialog, "grdResults");
    const QRect cell = table->visualItemRect(table->item(1, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    const int64_t best = dialog->result().windows[1].best_unix;
    QCOMPARE(UnixSecondsOfElection(f.context.election), best);
    QCOMPARE(f.context.election.Second, int16_t{0});
    QCOMPARE(f.context.election.LatDegrees, dialog->search().place.LatDegrees);
    QVERIFY(!f.context.checks.ElectionsRunning);
    QVERIFY(!f.Command("mnuElectionsRunning")->isChecked());
    QCOMPARE(f.context.chart.InputError, int16_t{0});
  }

  // A town of the atlas is the search's place, with its zone at the start of
  // the range; a double-click then sets the chart there, under its own name.
  void aTownOfTheAtlasIsTheSearchsPlace() {
    WindowFixture f;
    const std::string name = f.context.election.Name;
    FinderDialog* dialog = OpenFinder(f, QDate(2026, 7, 1), QDate(2026, 7, 2));
    auto* box = Child<QLineEdit>(dialog, "txtPlace");
    QTest::keyClicks(box, QStringLiteral("ulm, de"));
    auto* completer = box->completer();
    QVERIFY(completer != nullptr && completer->model()->rowCount() >= 1);
    emit completer->activated(completer->model()->index(0, 0).data().toString());
    QCOMPARE(Child<QLabel>(dialog, "lblPlace")->text(),
             QStringLiteral("Ulm, Baden-Württemberg, Germany: 48n24 9e59, zone 2 hours east"));
    QVERIFY(SearchToTheEnd(dialog));
    QCOMPARE(dialog->search().place.Zone, -2.0f);
    QVERIFY(!dialog->result().windows.empty());
    auto* table = Child<QTableWidget>(dialog, "grdResults");
    const QRect cell = table->visualItemRect(table->item(0, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(f.context.election.LonDegrees * 100 + f.context.election.LonMinutes, 959);
    QCOMPARE(f.context.election.Zone, -2.0f);
    QCOMPARE(f.context.election.Name, name);
  }

  void latitudeAbove66IsRefusedBeforeTheSearch() {
    WindowFixture f;
    f.context.checks.HouseChecks.fill(false);
    f.context.checks.HouseChecks[0] = true;  // Placidus
    f.context.election.LatDegrees = 70;
    FinderDialog* dialog = OpenFinder(f, QDate(2026, 12, 7), QDate(2026, 12, 8));
    const size_t before = f.messages.texts.size();
    Click(dialog, "cmdSearch");
    QVERIFY(!dialog->searching());
    QCOMPARE(f.messages.texts.size(), before + 1);
    QCOMPARE(f.messages.texts.back(), std::string(kLatitudeTooHighMessage));
  }

  void exportWritesOneEventPerWindow() {
    WindowFixture f;
    FinderDialog* dialog = OpenFinder(f, QDate(2026, 12, 7), QDate(2026, 12, 7));
    QVERIFY(SearchToTheEnd(dialog));
    const std::string path = f.dir + "/found.ics";
    dialog->choose_export_file = [path](const QString&, const QString&) { return path; };
    Click(dialog, "cmdExportIcs");
    const QString ics = QString::fromStdString(ReadText(path));
    QVERIFY(ics.startsWith(QStringLiteral("BEGIN:VCALENDAR")));
    QCOMPARE(ics.count(QStringLiteral("BEGIN:VEVENT")),
             static_cast<qsizetype>(dialog->result().windows.size()));
    QVERIFY(ics.contains(QStringLiteral("SUMMARY:Election: Election for a marriage\\, score")));
  }
};

const RegisterWindowTest<FinderDialogTest> registeredFinderDialogTest("FinderDialogTest");

}  // namespace kairotex::test

#include "finder_dialog_test.moc"
