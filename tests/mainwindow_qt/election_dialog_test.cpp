// "Election Data": the boxes as opened, their key filters and rules, the
// checks on OK, the angle display, and the dialog opened by F2. The rules
// themselves are the core's (tests/mainwindow); here they reach the boxes.
#include "mainwindow/qt/election_dialog.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "mainwindow/qt/chart_view.h"
#include "reports/arabic_parts_text.h"
#include "window_fixture.h"

namespace kairotex::test {
namespace {

constexpr char kDataError[] = "Error in election data. Please correct.";
constexpr char kLatitudeError[] =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.";

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

QString Position(double lon) {
  return QString::fromStdString(PrintedPosition(lon));
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
    QCOMPARE(Shown(&d, "Label5"), Position(f.context.chart.ObjectLon[kMidheaven]));
    QCOMPARE(Shown(&d, "Label3"), Position(f.context.chart.ObjectLon[kAscendant]));
  }

  void boxesFollowTheirRulesAndFilters() {
    WindowFixture f;
    ElectionDialog d(f.context, f.window.get());
    Type(&d, "txtBirthHour", QStringLiteral("13"));
    QCOMPARE(Child(&d, "txtBirthHour")->text(), QStringLiteral("1"));
    QVERIFY(Child<QRadioButton>(&d, "optPM")->isChecked());
    Child(&d, "txtBirthHour")->selectAll();
    QTest::keyClick(Child(&d, "txtBirthHour"), Qt::Key_Backspace);
    QCOMPARE(f.messages.texts, std::vector<std::string>{"Please fill in a value for birth hour."});
    Child<QRadioButton>(&d, "optEast")->click();
    QCOMPARE(Child(&d, "txtTZ")->text(), QStringLiteral("-5"));
    Type(&d, "txtMonth", QStringLiteral("a1b.-2"));
    QCOMPARE(Child(&d, "txtMonth")->text(), QStringLiteral("12"));
    Type(&d, "txtTZ", QStringLiteral("-2.5x"));
    QCOMPARE(Child(&d, "txtTZ")->text(), QStringLiteral("-2.5"));
    Type(&d, "txtEvent", QStringLiteral("Shop opens 9.30!"));
    QCOMPARE(Child(&d, "txtEvent")->text(), QStringLiteral("Shop opens 9.30!"));
    // Editing keys still work in a filtered box.
    QLineEdit* year = Child(&d, "txtYear");
    year->deselect();
    year->end(false);
    QTest::keyClick(year, Qt::Key_Backspace);
    QTest::keyClick(year, Qt::Key_Home);
    QTest::keyClick(year, Qt::Key_Delete);
    QCOMPARE(year->text(), QStringLiteral("02"));
  }

  void checksOnOk_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("latitude");  // degrees and minutes typed
    QTest::addColumn<QString>("house");
    QTest::addColumn<QString>("message");  // empty: stored
    const char* rows[][6] = {
        {"year 2099", "txtYear", "2099", "40 45", "mnuHousePlacidus", ""},
        {"year 2100", "txtYear", "2100", "40 45", "mnuHousePlacidus", kDataError},
        {"zone -3 west", "txtTZ", "-3", "40 45", "mnuHousePlacidus", kDataError},
        {"zone -2 west", "txtTZ", "-2", "40 45", "mnuHousePlacidus", ""},
        {"66 00 placidus", "txtDay", "7", "66 0", "mnuHousePlacidus", ""},
        {"66 01 placidus", "txtDay", "7", "66 1", "mnuHousePlacidus", kLatitudeError},
        {"66 01 meridian", "txtDay", "7", "66 1", "mnuHouseMeridian", ""}};
    for (const auto& row : rows)
      QTest::newRow(row[0]) << row[1] << row[2] << row[3] << row[4] << row[5];
  }
  void checksOnOk() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, latitude);
    QFETCH(QString, house);
    QFETCH(QString, message);
    WindowFixture f;
    f.Command(house.toLatin1().constData())->trigger();
    const ElectionData before = f.context.election;
    ElectionDialog d(f.context, f.window.get());
    Type(&d, box.toLatin1().constData(), typed);
    Type(&d, "txtLatDeg", latitude.section(QLatin1Char(' '), 0, 0));
    Type(&d, "txtLatMin", latitude.section(QLatin1Char(' '), 1, 1));
    Click(&d, "cmdOK");
    QVERIFY(d.ok_flag());
    QCOMPARE(d.stored(), message.isEmpty());
    QCOMPARE(f.context.chart.InputError, int16_t(message.isEmpty() ? 0 : 1));
    QCOMPARE(f.messages.texts, message.isEmpty() ? std::vector<std::string>{}
                                                 : std::vector<std::string>{message.toStdString()});
    if (!message.isEmpty()) {
      const ElectionData& e = f.context.election;
      QVERIFY(e.Year == before.Year && e.LatDegrees == before.LatDegrees && e.Zone == before.Zone);
    }
  }

  void plusAndMinusStepTheAnglesNotTheRecord() {
    WindowFixture f;
    ElectionDialog d(f.context, f.window.get());
    const QString mc = Shown(&d, "Label5"), asc = Shown(&d, "Label3");
    Click(&d, "Command2");
    QCOMPARE(Shown(&d, "Label4"), QStringLiteral("10:31 AM"));
    QVERIFY(Shown(&d, "Label5") != mc && Shown(&d, "Label3") != asc);
    Click(&d, "Command3");
    QCOMPARE(Shown(&d, "Label4"), QStringLiteral("10:30 AM"));
    QCOMPARE(Child(&d, "txtBirthMinute")->text(), QStringLiteral("30"));
    QCOMPARE(f.context.election.Minute, int16_t{30});
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
    QCOMPARE(Child(&d, "txtLongDeg")->text(), QStringLiteral("9"));
    QCOMPARE(Child(&d, "txtLongMin")->text(), QStringLiteral("59"));
    QCOMPARE(Child(&d, "txtLatDeg")->text(), QStringLiteral("48"));
    QCOMPARE(Child(&d, "txtLatMin")->text(), QStringLiteral("24"));
    QVERIFY(Child<QRadioButton>(&d, "optEast")->isChecked());
    QCOMPARE(Child(&d, "txtTZ")->text(), QStringLiteral("-1"));  // 7 December
    QCOMPARE(Shown(&d, "lblZoneStatus"), QStringLiteral("Europe/Berlin +01:00 CET"));
    Type(&d, "txtMonth", QStringLiteral("7"));
    QCOMPARE(Child(&d, "txtTZ")->text(), QStringLiteral("-2"));
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

  void newAnglesThenCancelShowsTheNewChart() {
    WindowFixture f;
    const int paints = f.window->chart_view()->paint_count();
    QString asc_in_dialog;
    QVERIFY(PressF2(f, [&](ElectionDialog* d) {
      Type(d, "txtBirthHour", QStringLiteral("3"));
      Click(d, "Command4");
      asc_in_dialog = Shown(d, "Label3");
      Click(d, "cmdCancel");
    }));
    QCOMPARE(f.Heading(3), QStringLiteral("3.30 A.M. (5)"));
    QCOMPARE(asc_in_dialog, Position(f.context.chart.ObjectLon[kAscendant]));
    QVERIFY(f.window->chart_view()->paint_count() > paints);
  }
};

const RegisterWindowTest<ElectionDialogTest> registeredElectionDialogTest("ElectionDialogTest");

}  // namespace kairotex::test

#include "election_dialog_test.moc"
