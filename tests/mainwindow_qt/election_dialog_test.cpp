// "Election Data": the boxes as opened, their key filters and rules, the
// checks on OK, the angle display, and the dialog opened by F2. The rules
// themselves are the core's (tests/mainwindow); here they reach the boxes.
#include "mainwindow/qt/election_dialog.h"

#include <QAbstractItemModel>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "mainwindow/qt/chart_view.h"
#include "reports/arabic_parts_text.h"
#include "window_fixture.h"

namespace kairotex::test {
namespace {

constexpr char kDataError[] = "Error in election data. Please correct.";
constexpr char kLatitudeError[] =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";

// What OK does with one box and the latitude typed, under the house system
// of the menu. The bounds themselves are the core's (tests/chart).
struct OkCase {
  const char *name, *box, *typed, *lat_degrees, *lat_minutes, *house, *message;  // "": stored
};
constexpr OkCase kOkCases[] = {
    {"year 2100", "txtYear", "2100", "40", "45", "mnuHousePlacidus", kDataError},
    {"66 01 placidus", "txtDay", "7", "66", "1", "mnuHousePlacidus", kLatitudeError},
    {"66 01 meridian", "txtDay", "7", "66", "1", "mnuHouseMeridian", ""}};

template <class Widget = QLineEdit>
Widget* Child(QWidget* dialog, const char* name) {
  auto* found = dialog->findChild<Widget*>(QString::fromLatin1(name));
  if (found == nullptr) qFatal("no control %s", name);
  return found;
}

// Typing over the whole text, as after the box took the focus.
void Type(QWidget* dialog, const char* box, const QString& text) {
  Child(dialog, box)->selectAll();
  QTest::keyClicks(Child(dialog, box), text);
}

QString Shown(QWidget* dialog, const char* name) {
  return Child<QLabel>(dialog, name)->text();
}

QString Text(QWidget* dialog, const char* box) {
  return Child(dialog, box)->text();
}

// Runs `drive` on the dialog that F2 opens; a dialog not found is closed so
// that the test fails instead of waiting. Returns whether it opened.
bool PressF2(WindowFixture& f, const std::function<void(ElectionDialog*)>& drive) {
  bool opened = false;
  QTimer::singleShot(0, f.window.get(), [&f, &opened, drive] {
    auto* dialog = f.window->findChild<ElectionDialog*>(QStringLiteral("InputD"));
    if (dialog == nullptr || !dialog->isModal()) {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      return;
    }
    opened = true;
    drive(dialog);
  });
  QApplication::setActiveWindow(f.window.get());  // the menu keys go to the active window
  QTest::keyClick(f.window.get(), Qt::Key_F2);
  if (!opened) QApplication::processEvents();  // the timer runs now, not in a later test
  return opened;
}

}  // namespace

class ElectionDialogTest : public QObject {
  Q_OBJECT
 private slots:
  // The title, then every control in Tab order with its text and check.
  void opensFilledInTabOrderWithTheClockStopped() {
    WindowFixture f;
    ElectionDialog d(f.context, f.window.get());
    QVERIFY(!f.context.checks.ElectionsRunning);
    QStringList lines = {d.windowTitle()};
    QWidget* w = Child(&d, "txtEvent");
    do {
      auto* button = qobject_cast<QAbstractButton*>(w);
      auto* edit = qobject_cast<QLineEdit*>(w);
      lines << w->objectName() + "|" +
                   (edit     ? edit->text()
                    : button ? button->text()
                             : "") +
                   (button && button->isChecked() ? "|checked" : "");
      do w = w->nextInFocusChain();
      while (!(w->focusPolicy() & Qt::TabFocus));
    } while (w != Child(&d, "txtEvent") && lines.size() < 40);
    QCOMPARE(lines, GoldenLines("election_dialog.txt"));
    QCOMPARE(Shown(&d, "Label4"), QStringLiteral("10:30 AM"));
  }

  void boxesFollowTheirRulesAndFilters() {
    WindowFixture f;
    ElectionDialog d(f.context, f.window.get());
    Type(&d, "txtBirthHour", QStringLiteral("13"));
    QCOMPARE(Text(&d, "txtBirthHour"), QStringLiteral("1"));
    QVERIFY(Child<QRadioButton>(&d, "optPM")->isChecked());
    Type(&d, "txtBirthHour", QString());
    QTest::keyClick(Child(&d, "txtBirthHour"), Qt::Key_Backspace);
    QCOMPARE(f.messages.texts, std::vector<std::string>{"Please fill in a value for birth hour."});
    Child<QRadioButton>(&d, "optEast")->click();
    QCOMPARE(Text(&d, "txtTZ"), QStringLiteral("-5"));
    Type(&d, "txtMonth", QStringLiteral("a1b.-2"));
    QCOMPARE(Text(&d, "txtMonth"), QStringLiteral("12"));
    Type(&d, "txtTZ", QStringLiteral("-2.5x"));
    QCOMPARE(Text(&d, "txtTZ"), QStringLiteral("-2.5"));
    // Editing keys still work in a filtered box.
    QLineEdit* year = Child(&d, "txtYear");
    year->end(false);
    for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
      QTest::keyClick(year, key);
    QCOMPARE(year->text(), QStringLiteral("02"));
  }

  void checksOnOk_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kOkCases)); ++row)
      QTest::newRow(kOkCases[row].name) << row;
  }
  void checksOnOk() {
    QFETCH(int, row);
    const OkCase& c = kOkCases[row];
    const bool refused = *c.message != 0;
    WindowFixture f;
    f.Command(c.house)->trigger();
    const ElectionData before = f.context.election;
    ElectionDialog d(f.context, f.window.get());
    Type(&d, c.box, QString::fromLatin1(c.typed));
    Type(&d, "txtLatDeg", QString::fromLatin1(c.lat_degrees));
    Type(&d, "txtLatMin", QString::fromLatin1(c.lat_minutes));
    Click(&d, "cmdOK");
    QVERIFY(d.ok_flag());
    QCOMPARE(d.stored(), !refused);
    QCOMPARE(f.context.chart.InputError, int16_t(refused));
    QCOMPARE(f.messages.texts,
             refused ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    const ElectionData& e = f.context.election;
    if (refused)
      QVERIFY(e.Year == before.Year && e.LatDegrees == before.LatDegrees && e.Zone == before.Zone);
  }

  // A town typed and chosen fills the place and zone boxes; the zone follows
  // the date typed after, and OK stores the town's zone of that date.
  void placeBoxFillsThePlaceAndTheZoneFollowsTheDate() {
    WindowFixture f;
    ElectionDialog d(f.context, f.window.get());
    d.show();
    Type(&d, "txtPlace", QStringLiteral("ulm, de"));
    auto* completer = Child(&d, "txtPlace")->completer();
    QVERIFY(completer != nullptr && completer->model()->rowCount() >= 1);
    const QString label = completer->model()->index(0, 0).data().toString();
    QCOMPARE(label, QStringLiteral("Ulm, Baden-Württemberg, Germany"));
    emit completer->activated(label);
    QCOMPARE(Text(&d, "txtLongDeg") + " " + Text(&d, "txtLongMin"), QStringLiteral("9 59"));
    QCOMPARE(Text(&d, "txtLatDeg") + " " + Text(&d, "txtLatMin"), QStringLiteral("48 24"));
    QVERIFY(Child<QRadioButton>(&d, "optEast")->isChecked());
    QCOMPARE(Text(&d, "txtTZ"), QStringLiteral("-1"));  // 7 December
    QCOMPARE(Shown(&d, "lblZoneStatus"), QStringLiteral("Europe/Berlin +01:00 CET"));
    Type(&d, "txtMonth", QStringLiteral("7"));
    QCOMPARE(Text(&d, "txtTZ"), QStringLiteral("-2"));
    Click(&d, "cmdOK");
    QVERIFY(d.stored());
    QCOMPARE(f.context.election.Zone, -2.0f);
    QCOMPARE(f.context.election.LonMinutes, int16_t{59});
  }

  void okStoresCancelAndEscLeaveAndItFitsSmallScreens() {
    WindowFixture f;
    for (const int way : {0, 1, 2}) {  // Cancel, Esc, Enter (which is OK)
      ElectionDialog d(f.context, f.window.get());
      d.show();
      Type(&d, "txtEvent", QStringLiteral("Launch"));
      Type(&d, "txtYear", QStringLiteral("2030"));
      if (way == 0) Click(&d, "cmdCancel");
      if (way > 0)
        QTest::keyClick(Child(&d, "txtYear"), way == 1 ? Qt::Key_Escape : Qt::Key_Return);
      QVERIFY(!d.isVisible());
      QCOMPARE(d.stored(), way == 2);
      QCOMPARE(f.context.election.Year, int16_t(way == 2 ? 2030 : 2026));
      QCOMPARE(f.context.election.Name, std::string(way == 2 ? "Launch" : "Now"));
    }
    ElectionDialog d(f.context, f.window.get());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QVERIFY2(d.width() <= 800 && d.height() <= 560, qPrintable(QString::number(d.height())));
    for (QLabel* label : d.findChildren<QLabel*>())
      QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
    for (QLineEdit* edit : d.findChildren<QLineEdit*>()) {
      const int room = edit->width() - edit->fontMetrics().horizontalAdvance(edit->text());
      QVERIFY2(room > 0, qPrintable(edit->objectName()));
    }
  }

  void f2OpensItOkRecastsAndRefusedDataKeepsTheChart() {
    WindowFixture f;
    QVERIFY(PressF2(f, [&](ElectionDialog* d) {
      Type(d, "txtDay", QStringLiteral("9"));
      Click(d, "cmdOK");
    }));
    QCOMPARE(f.Heading(2), QStringLiteral("09 Dec 2026"));
    QVERIFY(!f.Command("mnuElectionsRunning")->isChecked());
    QVERIFY(PressF2(f, [&](ElectionDialog* d) {
      Type(d, "txtYear", QStringLiteral("2100"));
      Click(d, "cmdOK");
    }));
    QCOMPARE(f.messages.texts, std::vector<std::string>{kDataError});
    QVERIFY(f.window->findChild<ElectionDialog*>() == nullptr);
    QCOMPARE(f.Heading(2), QStringLiteral("09 Dec 2026"));
  }

  // Plus and minus step the angles shown, not the record; new angles recast
  // the chart, which Cancel keeps.
  void stepsAndNewAnglesThenCancelShowTheNewChart() {
    WindowFixture f;
    const int paints = f.window->chart_view()->paint_count();
    QString asc_in_dialog;
    QVERIFY(PressF2(f, [&](ElectionDialog* d) {
      const QString mc = Shown(d, "Label5"), asc = Shown(d, "Label3");
      Click(d, "Command2");
      QCOMPARE(Shown(d, "Label4"), QStringLiteral("10:31 AM"));
      QVERIFY(Shown(d, "Label5") != mc && Shown(d, "Label3") != asc);
      Click(d, "Command3");
      QCOMPARE(Shown(d, "Label4"), QStringLiteral("10:30 AM"));
      QCOMPARE(Text(d, "txtBirthMinute"), QStringLiteral("30"));
      QCOMPARE(f.context.election.Minute, int16_t{30});
      Type(d, "txtBirthHour", QStringLiteral("3"));
      Click(d, "Command4");
      asc_in_dialog = Shown(d, "Label3");
      Click(d, "cmdCancel");
    }));
    QCOMPARE(f.Heading(3), QStringLiteral("3.30 A.M. (5)"));
    QCOMPARE(asc_in_dialog.toStdString(), PrintedPosition(f.context.chart.ObjectLon[kAscendant]));
    QVERIFY(f.window->chart_view()->paint_count() > paints);
  }
};

const RegisterWindowTest<ElectionDialogTest> registeredElectionDialogTest("ElectionDialogTest");

}  // namespace kairotex::test

#include "election_dialog_test.moc"
