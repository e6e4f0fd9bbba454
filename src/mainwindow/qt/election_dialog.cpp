#include "mainwindow/qt/election_dialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>
#include <iterator>

#include "mainwindow/default_place.h"
#include "mainwindow/program_atlas.h"
#include "mainwindow/qt/busy_cursor.h"

namespace kairotex {
namespace {

QString Text(const std::string& text) {
  return QString::fromLatin1(text.c_str());
}
std::string Latin1(const QLineEdit* edit) {
  return edit->text().toLatin1().toStdString();
}

// What the key filters let through: digits (Backspace and the navigation
// keys are not characters and always pass); the zone also takes a sign and
// decimals; the event name anything.
const QString kDigits = QStringLiteral("[0-9]*");
const QString kZoneCharacters = QStringLiteral("[0-9.\\-]*");

QGroupBox* AddFrame(QGridLayout* grid, int row, const char* name, const char* caption) {
  auto* frame = new QGroupBox(QString::fromLatin1(caption));
  frame->setObjectName(QString::fromLatin1(name));
  auto* options = new QHBoxLayout(frame);
  options->setContentsMargins(8, 2, 8, 2);
  grid->addWidget(frame, row, 0, 1, 2);
  return frame;
}

}  // namespace

ElectionDialog::ElectionDialog(ProgramContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  BusyCursor busy;
  setObjectName(QStringLiteral("InputD"));
  setWindowTitle(QStringLiteral("Election Data"));
  setModal(true);
  BuildControls();
  SetTabOrder();
  const ElectionDialogStart start = OpenElectionDialog(context_);
  ShowFields(start.fields);
  angles_ = start.angles;
  ShowAngles();
  // Connected after filling, so that only the user's changes run the rules.
  connect(txtBirthHour_, &QLineEdit::textChanged, this, &ElectionDialog::txtBirthHour_Change);
  connect(optEast_, &QRadioButton::clicked, this, &ElectionDialog::optEast_Click);
  connect(optWest_, &QRadioButton::clicked, this, &ElectionDialog::optWest_Click);
  connect(cmdOK_, &QPushButton::clicked, this, &ElectionDialog::cmdOK_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &ElectionDialog::cmdCancel_Click);
  connect(Command2_, &QPushButton::clicked, this, &ElectionDialog::Command2_Click);
  connect(Command3_, &QPushButton::clicked, this, &ElectionDialog::Command3_Click);
  connect(Command4_, &QPushButton::clicked, this, &ElectionDialog::Command4_Click);
  connect(cmdSetDefault_, &QPushButton::clicked, this, &ElectionDialog::cmdSetDefault_Click);
  connect(txtPlace_, &QLineEdit::textEdited, this, &ElectionDialog::txtPlace_Edited);
  connect(placeCompleter_, qOverload<const QString&>(&QCompleter::activated), this,
          &ElectionDialog::txtPlace_Chosen);
  // The zone follows the date and time, until the user types one.
  for (QLineEdit* edit : {txtMonth_, txtDay_, txtYear_, txtBirthHour_, txtBirthMinute_}) {
    connect(edit, &QLineEdit::textEdited, this, &ElectionDialog::RefreshZone);
  }
  for (QRadioButton* option : {optAM_, optPM_}) {
    connect(option, &QRadioButton::toggled, this, &ElectionDialog::RefreshZone);
  }
  connect(chkSecondInstance_, &QCheckBox::toggled, this, [this](bool second) {
    place_.instance = second ? Instance::kSecond : Instance::kFirst;
    RefreshZone();
  });
  connect(txtTZ_, &QLineEdit::textEdited, this, [this] {
    place_.zone_by_hand = true;
    RefreshZone();
  });
}

QLineEdit* ElectionDialog::AddField(QGridLayout* grid, int row, const char* name,
                                    const char* label_name, const char* caption, int width_chars,
                                    const QString& allowed) {
  auto* label = new QLabel(QString::fromLatin1(caption));
  label->setObjectName(QString::fromLatin1(label_name));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* edit = new QLineEdit;
  edit->setObjectName(QString::fromLatin1(name));
  if (!allowed.isEmpty()) {
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), edit));
  }
  // Numbers get a box their size; the event name takes the free width.
  const QFontMetrics metrics(edit->font());
  const int width = metrics.horizontalAdvance(QString(width_chars, QLatin1Char('0'))) + 16;
  if (allowed.isEmpty()) {
    edit->setMinimumWidth(width);
  } else {
    edit->setFixedWidth(width);
  }
  edit->installEventFilter(this);
  label->setBuddy(edit);
  grid->addWidget(label, row, 0);
  grid->addWidget(edit, row, 1, Qt::AlignLeft);
  return edit;
}

QRadioButton* ElectionDialog::AddOption(QWidget* frame, const char* name, const char* caption) {
  auto* option = new QRadioButton(QString::fromLatin1(caption), frame);
  option->setObjectName(QString::fromLatin1(name));
  frame->layout()->addWidget(option);
  return option;
}

void ElectionDialog::BuildControls() {
  auto* fields = new QGridLayout;
  txtEvent_ = AddField(fields, 0, "txtEvent", "lblEvent", "Event", 24, QString());
  txtMonth_ = AddField(fields, 1, "txtMonth", "lblMonth", "Birth Month", 4, kDigits);
  txtDay_ = AddField(fields, 2, "txtDay", "lblDay", "Birth Day", 4, kDigits);
  txtYear_ = AddField(fields, 3, "txtYear", "lblYear", "Birth Year", 6, kDigits);
  txtBirthHour_ = AddField(fields, 4, "txtBirthHour", "lblBirthHour", "Birth Hour", 4, kDigits);
  txtBirthMinute_ =
      AddField(fields, 5, "txtBirthMinute", "lblBirthMinute", "Birth Minute", 4, kDigits);
  QGroupBox* frame1 = AddFrame(fields, 6, "Frame1", "Am/Pm");
  optAM_ = AddOption(frame1, "optAM", "AM");
  optPM_ = AddOption(frame1, "optPM", "PM");
  txtPlace_ = AddField(fields, 7, "txtPlace", "lblPlace", "Place", 24, QString());
  txtPlace_->setPlaceholderText(QStringLiteral("a town: Ulm, DE"));
  placeList_ = new QStringListModel(this);
  placeCompleter_ = new QCompleter(placeList_, this);
  // The atlas's own search has chosen the towns (accents, regions): show them all.
  placeCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  txtPlace_->setCompleter(placeCompleter_);
  // Wide enough for "town, region, country" whole.
  placeCompleter_->popup()->setMinimumWidth(
      txtPlace_->fontMetrics().horizontalAdvance(QString(44, QLatin1Char('n'))));
  txtTZ_ = AddField(fields, 8, "txtTZ", "lblBirthTZ", "Time Zone . . .", 8, kZoneCharacters);
  lblZoneStatus_ = new QLabel;
  lblZoneStatus_->setObjectName(QStringLiteral("lblZoneStatus"));
  lblZoneStatus_->setWordWrap(true);
  lblZoneStatus_->setMaximumWidth(
      lblZoneStatus_->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('0'))));
  fields->addWidget(lblZoneStatus_, 9, 0, 1, 2);
  chkSecondInstance_ =
      new QCheckBox(QStringLiteral("The second time (a clock time that came twice)"));
  chkSecondInstance_->setObjectName(QStringLiteral("chkSecondInstance"));
  chkSecondInstance_->setEnabled(false);
  fields->addWidget(chkSecondInstance_, 10, 0, 1, 2);
  txtLongDeg_ = AddField(fields, 11, "txtLongDeg", "lblLongDeg", "Long Degrees", 5, kDigits);
  txtLongMin_ = AddField(fields, 12, "txtLongMin", "lblLongMin", "Long Minutes", 4, kDigits);
  QGroupBox* frame2 = AddFrame(fields, 13, "Frame2", "Ea/We");
  optEast_ = AddOption(frame2, "optEast", "East");
  optWest_ = AddOption(frame2, "optWest", "West");
  txtLatDeg_ = AddField(fields, 14, "txtLatDeg", "lblLatDeg", "Lat Degrees", 4, kDigits);
  txtLatMin_ = AddField(fields, 15, "txtLatMin", "lblLatMin", "Lat Minutes", 4, kDigits);
  QGroupBox* frame3 = AddFrame(fields, 16, "Frame3", "No/So");
  optNorth_ = AddOption(frame3, "optNorth", "North");
  optSouth_ = AddOption(frame3, "optSouth", "South");

  auto* angles = new QGridLayout;
  auto* label1 = new QLabel(QStringLiteral("Ascendant"));
  label1->setObjectName(QStringLiteral("Label1"));
  auto* label2 = new QLabel(QStringLiteral("Midheaven"));
  label2->setObjectName(QStringLiteral("Label2"));
  auto shown = [](const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00 WWW 00")) +
                           16);
    return label;
  };
  Label3_ = shown("Label3");
  Label5_ = shown("Label5");
  Label4_ = shown("Label4");
  angles->addWidget(label1, 0, 0);
  angles->addWidget(Label3_, 0, 1);
  angles->addWidget(label2, 1, 0);
  angles->addWidget(Label5_, 1, 1);
  angles->addWidget(Label4_, 2, 1);

  auto button = [this](const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  Command4_ = button("Command4", QStringLiteral("New Angles"));
  Command2_ = button("Command2", QStringLiteral("+"));
  Command3_ = button("Command3", QStringLiteral("-"));
  cmdSetDefault_ = button("cmdSetDefault", QStringLiteral("Set as default place"));
  cmdOK_ = button("cmdOK", QStringLiteral("OK"));
  cmdCancel_ = button("cmdCancel", QStringLiteral("Cancel"));
  cmdOK_->setDefault(true);  // Enter in any box is OK

  auto* steps = new QHBoxLayout;
  steps->addWidget(Command2_);
  steps->addWidget(Command3_);
  auto* right = new QVBoxLayout;
  right->addLayout(angles);
  right->addWidget(Command4_);
  right->addLayout(steps);
  right->addStretch(1);
  right->addWidget(cmdSetDefault_);
  right->addWidget(cmdOK_);
  right->addWidget(cmdCancel_);

  auto* top = new QHBoxLayout(this);
  top->addLayout(fields, 1);
  top->addSpacing(12);
  top->addLayout(right);
  top->setSizeConstraint(QLayout::SetFixedSize);
}

void ElectionDialog::SetTabOrder() {
  QWidget* const order[] = {
      txtEvent_,          txtMonth_,   txtDay_,        txtYear_,  txtBirthHour_,
      txtBirthMinute_,    optAM_,      optPM_,         txtPlace_, txtTZ_,
      chkSecondInstance_, txtLongDeg_, txtLongMin_,    optEast_,  optWest_,
      txtLatDeg_,         txtLatMin_,  optNorth_,      optSouth_, Command4_,
      Command2_,          Command3_,   cmdSetDefault_, cmdOK_,    cmdCancel_};
  for (size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }
  txtEvent_->setFocus();
}

void ElectionDialog::ShowFields(const ElectionFields& f) {
  txtEvent_->setText(Text(f.event));
  txtMonth_->setText(Text(f.month));
  txtDay_->setText(Text(f.day));
  txtYear_->setText(Text(f.year));
  txtBirthHour_->setText(Text(f.hour));
  txtBirthMinute_->setText(Text(f.minute));
  txtTZ_->setText(Text(f.zone));
  txtLongDeg_->setText(Text(f.lon_degrees));
  txtLongMin_->setText(Text(f.lon_minutes));
  txtLatDeg_->setText(Text(f.lat_degrees));
  txtLatMin_->setText(Text(f.lat_minutes));
  (f.pm ? optPM_ : optAM_)->setChecked(true);
  (f.west ? optWest_ : optEast_)->setChecked(true);
  (f.south ? optSouth_ : optNorth_)->setChecked(true);
}

ElectionFields ElectionDialog::Fields() const {
  ElectionFields f;
  f.event = Latin1(txtEvent_);
  f.month = Latin1(txtMonth_);
  f.day = Latin1(txtDay_);
  f.year = Latin1(txtYear_);
  f.hour = Latin1(txtBirthHour_);
  f.minute = Latin1(txtBirthMinute_);
  f.zone = Latin1(txtTZ_);
  f.lon_degrees = Latin1(txtLongDeg_);
  f.lon_minutes = Latin1(txtLongMin_);
  f.lat_degrees = Latin1(txtLatDeg_);
  f.lat_minutes = Latin1(txtLatMin_);
  f.pm = optPM_->isChecked();
  f.west = optWest_->isChecked();
  f.south = optSouth_->isChecked();
  return f;
}

void ElectionDialog::ShowAngles() {
  Label3_->setText(Text(angles_.asc_text));
  Label5_->setText(Text(angles_.mc_text));
  Label4_->setText(Text(angles_.time_text));
}

// Failed checks have shown their messages and left the record; the dialog
// closes either way, and the caller recasts only stored data.
void ElectionDialog::cmdOK_Click() {
  const std::string refusal = SkippedTimeRefusal(place_, Fields());
  if (!refusal.empty()) {
    context_.messages.ShowMessage(refusal, kWarningTitle, MessageIcon::kInformation);
    stored_ = false;
    ok_flag_ = true;
    accept();
    return;
  }
  stored_ = StoreElectionFields(context_, Fields());
  ok_flag_ = true;
  accept();
}

void ElectionDialog::cmdCancel_Click() {
  reject();
}

void ElectionDialog::reject() {
  ok_flag_ = false;
  stored_ = false;
  QDialog::reject();
}

void ElectionDialog::Step(int direction) {
  StepAngles(angles_, context_.chart, direction);
  ShowAngles();
}

void ElectionDialog::Command2_Click() {
  Step(+1);
}
void ElectionDialog::Command3_Click() {
  Step(-1);
}

void ElectionDialog::Command4_Click() {
  BusyCursor busy;
  if (NewAngles(context_, Fields(), angles_)) chart_recast_ = true;
  ShowAngles();
}

void ElectionDialog::optEast_Click() {
  txtTZ_->setText(Text(ZoneTextForDirection(Latin1(txtTZ_), false)));
}

void ElectionDialog::optWest_Click() {
  txtTZ_->setText(Text(ZoneTextForDirection(Latin1(txtTZ_), true)));
}

void ElectionDialog::txtBirthHour_Change() {
  const std::string text = Latin1(txtBirthHour_);
  const HourFieldChange change = ApplyHourFieldRule(text, context_.messages);
  if (change.select_pm) optPM_->setChecked(true);
  if (change.text != text) {
    // The rule has already run to its end on the new text.
    const QSignalBlocker quiet(txtBirthHour_);
    txtBirthHour_->setText(Text(change.text));
  }
  if (change.select_all) txtBirthHour_->selectAll();
}

void ElectionDialog::txtPlace_Edited() {
  offered_ = TownsOffered(context_, txtPlace_->text().toUtf8().toStdString());
  QStringList labels;
  for (const AtlasPlace* town : offered_) labels << QString::fromStdString(PlaceLabel(*town));
  placeList_->setStringList(labels);
  if (!labels.isEmpty()) placeCompleter_->complete();
}

void ElectionDialog::txtPlace_Chosen(const QString& label) {
  if (const AtlasPlace* town = TownOfLabel(offered_, label.toUtf8().toStdString())) {
    ElectionFields f = Fields();
    const DialogZoneStatus status = ChooseDialogPlace(place_, *town, f);
    txtTZ_->setText(Text(f.zone));
    txtLongDeg_->setText(Text(f.lon_degrees));
    txtLongMin_->setText(Text(f.lon_minutes));
    txtLatDeg_->setText(Text(f.lat_degrees));
    txtLatMin_->setText(Text(f.lat_minutes));
    (f.west ? optWest_ : optEast_)->setChecked(true);
    (f.south ? optSouth_ : optNorth_)->setChecked(true);
    ShowZoneStatus(status);
    // The town's name, not the end of its label, once the completer has set it.
    QTimer::singleShot(0, txtPlace_, [edit = txtPlace_] { edit->setCursorPosition(0); });
  }
}

void ElectionDialog::RefreshZone() {
  ElectionFields f = Fields();
  const DialogZoneStatus status = UpdateDialogZone(place_, f);
  if (f.zone != Latin1(txtTZ_)) txtTZ_->setText(Text(f.zone));
  ShowZoneStatus(status);
}

void ElectionDialog::cmdSetDefault_Click() {
  const auto values =
      DefaultPlaceOptions(Fields(), DialogStandardZone(place_, context_.clock), context_.messages);
  if (!values) return;
  std::string error;
  if (!SaveDefaultPlace(context_, *values, &error)) {
    context_.messages.ShowMessage("The default place was not set: " + error, kWarningTitle,
                                  MessageIcon::kExclamation);
  }
}

void ElectionDialog::ShowZoneStatus(const DialogZoneStatus& status) {
  lblZoneStatus_->setText(QString::fromStdString(status.text));
  chkSecondInstance_->setEnabled(status.repeated);
}

// Every box selects its whole text when it takes the focus, by mouse too;
// after the click itself has placed the cursor.
bool ElectionDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
      QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kairotex
