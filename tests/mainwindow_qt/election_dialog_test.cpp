// "Election Data": the boxes, their key filters and rules, the checks on OK,
// the angle display, and the dialog opened by F2 from the main window.
#include "mainwindow/qt/election_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

#include "mainwindow/qt/chart_view.h"
#include "reports/arabic_parts_text.h"
#include "window_fixture.h"

namespace kairotex::test {

class ElectionDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void opensFilledWithTheClockStopped();
  void hourAndZoneBoxesFollowTheirRules();
  void checksOnOk_data();
  void checksOnOk();
  void plusFourTimesMovesMidheavenAndClock();
  void numericBoxesRefuseLetters();
  void okStoresAndCancelLeaves();
  void fitsSmallScreens();
  void f2OpensItAndOkRecasts();
  void newAnglesThenCancelShowsTheNewChart();
};

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
  QLineEdit* edit = Child(dialog, box);
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

QString Position(double lon) {
  return QString::fromStdString(PrintedPosition(lon));
}

QString Shown(QWidget* dialog, const char* name) {
  return Child<QLabel>(dialog, name)->text();
}

// "05 TAU 17" as a longitude.
double Longitude(const QString& text) {
  static const QString signs = QStringLiteral("ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS");
  const QStringList parts = text.split(QLatin1Char(' '));
  return signs.indexOf(parts[1]) / 3 * 30 + parts[0].toDouble() + parts[2].toDouble() / 60.0;
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

void ElectionDialogTest::opensFilledWithTheClockStopped() {
  WindowFixture f;
  QVERIFY(f.context.checks.ElectionsRunning);
  ElectionDialog d(f.context, f.window.get());
  QVERIFY(!f.context.checks.ElectionsRunning);
  QCOMPARE(d.windowTitle(), QStringLiteral("Election Data"));
  QCOMPARE(Child(&d, "txtEvent")->text(), QStringLiteral("Now"));
  QCOMPARE(Child(&d, "txtYear")->text(), QStringLiteral("2026"));
  QCOMPARE(Child(&d, "txtBirthHour")->text(), QStringLiteral("10"));
  QCOMPARE(Child(&d, "txtTZ")->text(), QStringLiteral("5"));
  QCOMPARE(Child(&d, "txtLongDeg")->text(), QStringLiteral("73"));
  QCOMPARE(Child(&d, "txtLatMin")->text(), QStringLiteral("45"));
  QVERIFY(Child<QRadioButton>(&d, "optAM")->isChecked());
  QVERIFY(Child<QRadioButton>(&d, "optWest")->isChecked());
  QVERIFY(Child<QRadioButton>(&d, "optNorth")->isChecked());
  QCOMPARE(Shown(&d, "Label4"), QStringLiteral("10:30 AM"));
  QCOMPARE(Shown(&d, "Label5"), Position(f.context.chart.ObjectLon[kMidheaven]));
  QCOMPARE(Shown(&d, "Label3"), Position(f.context.chart.ObjectLon[kAscendant]));
  // Top to bottom with the Tab key.
  // clang-format off
  const QStringList order = {
      "txtEvent", "txtMonth", "txtDay", "txtYear", "txtBirthHour", "txtBirthMinute", "optAM",
      "optPM", "txtTZ", "txtLongDeg", "txtLongMin", "optEast", "optWest", "txtLatDeg", "txtLatMin",
      "optNorth", "optSouth", "Command4", "Command2", "Command3", "cmdOK", "cmdCancel"};
  // clang-format on
  QWidget* w = Child(&d, "txtEvent");
  for (const QString& name : order) {
    QCOMPARE(w->objectName(), name);
    do w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus));
  }
}

// The rules themselves are the core's (tests/mainwindow); here they are wired to the boxes.
void ElectionDialogTest::hourAndZoneBoxesFollowTheirRules() {
  WindowFixture f;
  ElectionDialog d(f.context, f.window.get());
  Type(&d, "txtBirthHour", QStringLiteral("13"));
  QCOMPARE(Child(&d, "txtBirthHour")->text(), QStringLiteral("1"));
  QVERIFY(Child<QRadioButton>(&d, "optPM")->isChecked());
  QVERIFY(f.messages.texts.empty());
  Child(&d, "txtBirthHour")->selectAll();
  QTest::keyClick(Child(&d, "txtBirthHour"), Qt::Key_Backspace);
  QCOMPARE(f.messages.texts, std::vector<std::string>{"Please fill in a value for birth hour."});
  QCOMPARE(f.messages.titles, std::vector<std::string>{"Warning!"});
  QCOMPARE(f.messages.all[0].icon, MessageIcon::kInformation);
  Child<QRadioButton>(&d, "optEast")->click();
  QCOMPARE(Child(&d, "txtTZ")->text(), QStringLiteral("-5"));
  Child<QRadioButton>(&d, "optWest")->click();
  QCOMPARE(Child(&d, "txtTZ")->text(), QStringLiteral("5"));
}

void ElectionDialogTest::checksOnOk_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("latitude");  // degrees and minutes typed
  QTest::addColumn<QString>("house");
  QTest::addColumn<QString>("message");  // empty: stored
  const auto row = [](const char* name, const char* box, const char* typed, const char* latitude,
                      const char* house, const char* message) {
    QTest::newRow(name) << QString::fromLatin1(box) << QString::fromLatin1(typed)
                        << QString::fromLatin1(latitude) << QString::fromLatin1(house)
                        << QString::fromLatin1(message);
  };
  const char* placidus = "mnuHousePlacidus";
  row("day 31", "txtDay", "31", "40 45", placidus, "");
  row("year 2099", "txtYear", "2099", "40 45", placidus, "");
  row("year 2100", "txtYear", "2100", "40 45", placidus, kDataError);
  row("zone -3 west", "txtTZ", "-3", "40 45", placidus, kDataError);
  row("zone -2 west", "txtTZ", "-2", "40 45", placidus, "");
  row("66 00 placidus", "txtDay", "7", "66 0", placidus, "");
  row("66 01 placidus", "txtDay", "7", "66 1", placidus, kLatitudeError);
  row("67 00 placidus", "txtDay", "7", "67 0", placidus, kLatitudeError);
  row("66 01 meridian", "txtDay", "7", "66 1", "mnuHouseMeridian", "");
  row("67 00 morinus", "txtDay", "7", "67 0", "mnuHouseMorinus", "");
}

void ElectionDialogTest::checksOnOk() {
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
  QCOMPARE(d.result(), int(QDialog::Accepted));
  if (message.isEmpty()) {
    QVERIFY(d.stored());
    QVERIFY(f.messages.texts.empty());
    QCOMPARE(f.context.chart.InputError, int16_t{0});
    QCOMPARE(QString::number(f.context.election.LatDegrees),
             latitude.section(QLatin1Char(' '), 0, 0));
  } else {
    QVERIFY(!d.stored());
    QCOMPARE(f.messages.texts, std::vector<std::string>{message.toStdString()});
    QCOMPARE(f.context.chart.InputError, int16_t{1});
    QCOMPARE(f.context.election.Year, before.Year);
    QCOMPARE(f.context.election.LatDegrees, before.LatDegrees);
    QCOMPARE(f.context.election.Zone, before.Zone);
  }
}

void ElectionDialogTest::plusFourTimesMovesMidheavenAndClock() {
  WindowFixture f;
  ElectionDialog d(f.context, f.window.get());
  const double mc = Longitude(Shown(&d, "Label5"));
  const QString asc = Shown(&d, "Label3");
  for (int i = 0; i < 4; ++i) Click(&d, "Command2");
  QVERIFY(std::fabs(Longitude(Shown(&d, "Label5")) - mc - 1.0) <= 1.0 / 60.0 + 1e-9);
  QCOMPARE(Shown(&d, "Label4"), QStringLiteral("10:34 AM"));
  QVERIFY(Shown(&d, "Label3") != asc);
  Click(&d, "Command3");
  QCOMPARE(Shown(&d, "Label4"), QStringLiteral("10:33 AM"));
  // The boxes and the record keep the typed time.
  QCOMPARE(Child(&d, "txtBirthMinute")->text(), QStringLiteral("30"));
  QCOMPARE(f.context.election.Minute, int16_t{30});
}

void ElectionDialogTest::numericBoxesRefuseLetters() {
  WindowFixture f;
  ElectionDialog d(f.context, f.window.get());
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
  QTest::keyClick(year, Qt::Key_Right);
  QTest::keyClicks(year, QStringLiteral("9"));
  QCOMPARE(year->text(), QStringLiteral("092"));
}

void ElectionDialogTest::okStoresAndCancelLeaves() {
  WindowFixture f;
  // Cancel, Esc and Enter (which is OK), in turn.
  for (const int way : {0, 1, 2}) {
    ElectionDialog d(f.context, f.window.get());
    d.show();
    Type(&d, "txtEvent", QStringLiteral("Launch"));
    Type(&d, "txtYear", QStringLiteral("2030"));
    if (way == 0) Click(&d, "cmdCancel");
    if (way > 0) QTest::keyClick(Child(&d, "txtYear"), way == 1 ? Qt::Key_Escape : Qt::Key_Return);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.ok_flag(), way == 2);
    QCOMPARE(d.stored(), way == 2);
    QCOMPARE(f.context.election.Year, int16_t(way == 2 ? 2030 : 2026));
    QCOMPARE(f.context.election.Name, std::string(way == 2 ? "Launch" : "Now"));
  }
}

void ElectionDialogTest::fitsSmallScreens() {
  WindowFixture f;
  ElectionDialog d(f.context, f.window.get());
  d.show();
  QVERIFY(QTest::qWaitForWindowExposed(&d));
  QVERIFY2(d.width() <= 800 && d.height() <= 560,
           qPrintable(QStringLiteral("%1 x %2").arg(d.width()).arg(d.height())));
  for (QLabel* label : d.findChildren<QLabel*>()) {
    QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
  }
  for (QLineEdit* edit : d.findChildren<QLineEdit*>()) {
    const int room = edit->width() - edit->fontMetrics().horizontalAdvance(edit->text());
    QVERIFY2(room > 0, qPrintable(edit->objectName()));
  }
}

void ElectionDialogTest::f2OpensItAndOkRecasts() {
  WindowFixture f;
  QVERIFY(PressF2(f, [&](ElectionDialog* d) {
    Type(d, "txtDay", QStringLiteral("9"));
    Click(d, "cmdOK");
  }));
  QCOMPARE(QString::fromStdString(f.context.chart.ChartHeading[2]), QStringLiteral("09 Dec 2026"));
  QVERIFY(!f.Command("mnuElectionsRunning")->isChecked());
  // Refused data: the message, the dialog closed, the chart as it was.
  QVERIFY(PressF2(f, [&](ElectionDialog* d) {
    Type(d, "txtYear", QStringLiteral("2100"));
    Click(d, "cmdOK");
  }));
  QCOMPARE(f.messages.texts, std::vector<std::string>{kDataError});
  QVERIFY(f.window->findChild<ElectionDialog*>() == nullptr);
  QCOMPARE(QString::fromStdString(f.context.chart.ChartHeading[2]), QStringLiteral("09 Dec 2026"));
}

void ElectionDialogTest::newAnglesThenCancelShowsTheNewChart() {
  WindowFixture f;
  const int paints = f.window->chart_view()->paint_count();
  QString asc_in_dialog;
  QVERIFY(PressF2(f, [&](ElectionDialog* d) {
    Type(d, "txtBirthHour", QStringLiteral("3"));
    Click(d, "Command4");
    asc_in_dialog = Shown(d, "Label3");
    Click(d, "cmdCancel");
  }));
  QCOMPARE(QString::fromStdString(f.context.chart.ChartHeading[3]),
           QStringLiteral("3.30 A.M. (5)"));
  QCOMPARE(asc_in_dialog, Position(f.context.chart.ObjectLon[kAscendant]));
  QVERIFY(f.window->chart_view()->paint_count() > paints);
}

const RegisterWindowTest<ElectionDialogTest> registeredElectionDialogTest("ElectionDialogTest");

}  // namespace kairotex::test

#include "election_dialog_test.moc"
