#include "elect/qt/finder_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStringListModel>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <thread>

#include "chart/election_checks.h"
#include "elect/finder_place.h"
#include "elect/moment.h"
#include "elect/qt/finder_worker.h"
#include "mainwindow/chart_commands.h"
#include "mainwindow/program_atlas.h"
#include "settings/file_text.h"
#include "settings/program_dir.h"

namespace kairotex {
namespace {

// How far either way the tolerance of a selected window is looked for.
constexpr int64_t kToleranceLimitSeconds = 6 * 3600;
constexpr int kProgressSteps = 1000;
constexpr const char* kCustomPreset = "(conditions of my own)";

enum ConditionColumn { kUseColumn, kNameColumn, kRequiredColumn, kWeightColumn, kParameterColumn };

QDateTime DateTimeOf(const FinderLocalTime& t) {
  // UTC only so that no daylight rule of the computer moves the place's clock.
  return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute), Qt::UTC);
}

FinderLocalTime LocalOf(const QDateTime& d) {
  return {d.date().year(), d.date().month(), d.date().day(), d.time().hour(), d.time().minute()};
}

QTableWidgetItem* CheckItem(bool checked) {
  auto* item = new QTableWidgetItem;
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  return item;
}

QTableWidgetItem* TextItem(const std::string& text, bool editable) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

}  // namespace

FinderDialog::FinderDialog(ProgramContext& context, QWidget* parent)
    : QDialog(parent), context_(context), place_(context.election) {
  setObjectName(QStringLiteral("FindElections"));
  setWindowTitle(QStringLiteral("Find elections"));
  presets_ = LoadPresets(ProgramPath(context_.program_dir(), kElectionPresetsFile));
  BuildControls();
  choose_export_file = [this](const QString& caption, const QString& filter) {
    return QFileDialog::getSaveFileName(this, caption,
                                        QString::fromStdString(context_.program_dir()), filter)
        .toStdString();
  };
}

FinderDialog::~FinderDialog() {
  worker_.reset();
}

void FinderDialog::BuildControls() {
  preset_box_ = new QComboBox;
  preset_box_->setObjectName(QStringLiteral("cboPreset"));
  for (const ElectionPreset& p : presets_.presets) {
    preset_box_->addItem(QString::fromStdString(p.title.empty() ? p.name : p.title));
  }
  preset_box_->addItem(QString::fromLatin1(kCustomPreset));

  condition_table_ = new QTableWidget(0, 5);
  condition_table_->setObjectName(QStringLiteral("grdConditions"));
  condition_table_->setHorizontalHeaderLabels({QStringLiteral("Use"), QStringLiteral("Condition"),
                                               QStringLiteral("Required"), QStringLiteral("Weight"),
                                               QStringLiteral("Parameter")});
  condition_table_->verticalHeader()->hide();
  condition_table_->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
  // One line a condition: a long name ends in "..." rather than a clipped second line.
  condition_table_->setWordWrap(false);

  const FinderLocalTime start = LocalTimeOf(place_, UnixSecondsOfElection(place_));
  const QDateTime from = DateTimeOf({start.year, start.month, start.day, 0, 0});
  from_box_ = new QDateTimeEdit;
  from_box_->setObjectName(QStringLiteral("dteFrom"));
  to_box_ = new QDateTimeEdit;
  to_box_->setObjectName(QStringLiteral("dteTo"));
  for (QDateTimeEdit* box : {from_box_, to_box_}) {
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    box->setTimeSpec(Qt::UTC);  // the place's own clock, never the computer's
    box->setDateRange(QDate(100, 1, 1), QDate(kLastChartYear, 12, 31));
  }
  from_box_->setDateTime(from);
  to_box_->setDateTime(from.addDays(7).addSecs(-60));
  step_box_ = new QSpinBox;
  step_box_->setObjectName(QStringLiteral("spnStep"));
  step_box_->setRange(1, 1440);
  step_box_->setSuffix(QStringLiteral(" min"));
  town_box_ = new QLineEdit;
  town_box_->setObjectName(QStringLiteral("txtPlace"));
  town_box_->setPlaceholderText(QStringLiteral("the chart's place, or a town: Ulm, DE"));
  town_list_ = new QStringListModel(this);
  town_completer_ = new QCompleter(town_list_, this);
  // The atlas's own search has chosen the towns (accents, regions): show them all.
  town_completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  town_box_->setCompleter(town_completer_);
  // Wide enough for "Berlin Schöneberg, Berlin, Germany" in full.
  town_completer_->popup()->setMinimumWidth(
      town_box_->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('n'))));
  connect(town_box_, &QLineEdit::textEdited, this, &FinderDialog::OfferTowns);
  connect(town_completer_, qOverload<const QString&>(&QCompleter::activated), this,
          &FinderDialog::ChooseTown);
  place_label_ = new QLabel;
  place_label_->setObjectName(QStringLiteral("lblPlace"));
  place_label_->setWordWrap(true);
  ShowPlace({});

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Preset:"), preset_box_);
  form->addRow(QStringLiteral("&From:"), from_box_);
  form->addRow(QStringLiteral("&To:"), to_box_);
  form->addRow(QStringLiteral("S&tep:"), step_box_);
  form->addRow(QStringLiteral("P&lace:"), town_box_);
  form->addRow(QString(), place_label_);

  search_button_ = new QPushButton(QStringLiteral("&Search"));
  search_button_->setObjectName(QStringLiteral("cmdSearch"));
  search_button_->setDefault(true);
  cancel_button_ = new QPushButton(QStringLiteral("Cancel"));
  cancel_button_->setObjectName(QStringLiteral("cmdCancel"));
  cancel_button_->setEnabled(false);
  progress_ = new QProgressBar;
  progress_->setObjectName(QStringLiteral("prgSearch"));
  progress_->setRange(0, kProgressSteps);
  progress_->setValue(0);
  status_ = new QLabel;
  status_->setObjectName(QStringLiteral("lblStatus"));
  auto* run_row = new QHBoxLayout;
  run_row->addWidget(search_button_);
  run_row->addWidget(cancel_button_);
  run_row->addWidget(progress_, 1);

  result_table_ = new QTableWidget(0, 5);
  result_table_->setObjectName(QStringLiteral("grdResults"));
  result_table_->setHorizontalHeaderLabels({QStringLiteral("Start"), QStringLiteral("End"),
                                            QStringLiteral("Length"), QStringLiteral("Best moment"),
                                            QStringLiteral("Score")});
  result_table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  result_table_->setSelectionMode(QAbstractItemView::SingleSelection);
  result_table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  result_table_->verticalHeader()->hide();
  result_table_->horizontalHeader()->setStretchLastSection(true);
  result_table_->horizontalHeader()->setDefaultSectionSize(90);  // empty, it fits unscrolled
  // Scrolled by pixels, the bar shows only where the columns do not fit.
  result_table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  explanation_ = new QPlainTextEdit;
  explanation_->setObjectName(QStringLiteral("txtExplanation"));
  explanation_->setReadOnly(true);
  explanation_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  results_splitter_ = new QSplitter;
  results_splitter_->addWidget(result_table_);
  results_splitter_->addWidget(explanation_);
  // The table's five columns in full; the explanation wraps in the rest.
  results_splitter_->setSizes({600, 380});

  ics_button_ = new QPushButton(QStringLiteral("Export &ICS..."));
  ics_button_->setObjectName(QStringLiteral("cmdExportIcs"));
  csv_button_ = new QPushButton(QStringLiteral("Export &CSV..."));
  csv_button_->setObjectName(QStringLiteral("cmdExportCsv"));
  auto* export_row = new QHBoxLayout;
  export_row->addWidget(status_, 1);
  export_row->addWidget(ics_button_);
  export_row->addWidget(csv_button_);

  auto* top = new QHBoxLayout;
  top->addLayout(form);
  top->addWidget(condition_table_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(run_row);
  layout->addWidget(results_splitter_, 1);
  layout->addLayout(export_row);
  // Within the screen, so that the Export buttons stay in reach at 800x600.
  const QSize wanted(980, 640);
  resize(screen() ? wanted.boundedTo(screen()->availableGeometry().size()) : wanted);

  connect(preset_box_, &QComboBox::currentIndexChanged, this, &FinderDialog::ShowPreset);
  connect(search_button_, &QPushButton::clicked, this, &FinderDialog::StartSearch);
  connect(cancel_button_, &QPushButton::clicked, this, &FinderDialog::CancelSearch);
  connect(result_table_, &QTableWidget::itemSelectionChanged, this, &FinderDialog::ShowSelected);
  connect(result_table_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { ChooseRow(row); });
  connect(ics_button_, &QPushButton::clicked, this, [this] { Export(true); });
  connect(csv_button_, &QPushButton::clicked, this, [this] { Export(false); });
  ShowPreset(0);
  if (!presets_.errors.empty()) status_->setText(QString::fromStdString(presets_.errors.front()));
}

void FinderDialog::ShowPreset(int index) {
  const bool preset = index >= 0 && index < static_cast<int>(presets_.presets.size());
  std::vector<ConditionSetting> chosen;
  if (preset) {
    const ElectionPreset& p = presets_.presets[static_cast<size_t>(index)];
    chosen = p.conditions;
    title_ = p.title.empty() ? p.name : p.title;
  } else {
    title_ = "election";
  }
  const std::vector<ConditionRow> rows = ConditionRowsOf(chosen);
  condition_table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const ConditionRow& row = rows[static_cast<size_t>(r)];
    condition_table_->setItem(r, kUseColumn, CheckItem(row.use));
    QTableWidgetItem* name = TextItem(std::string(InfoOf(row.kind).name), false);
    name->setData(Qt::UserRole, static_cast<int>(row.kind));
    // The whole name as well, which a narrow screen cuts short.
    name->setToolTip(name->text() + QStringLiteral("\n") +
                     QString::fromUtf8(InfoOf(row.kind).source.data(),
                                       static_cast<qsizetype>(InfoOf(row.kind).source.size())));
    condition_table_->setItem(r, kNameColumn, name);
    condition_table_->setItem(r, kRequiredColumn, CheckItem(row.required));
    condition_table_->setItem(r, kWeightColumn, TextItem(row.weight, true));
    const bool takes_parameter = InfoOf(row.kind).parameter != ParameterType::kNone;
    condition_table_->setItem(r, kParameterColumn, TextItem(row.parameter, takes_parameter));
  }
  condition_table_->resizeColumnsToContents();
}

std::vector<ConditionRow> FinderDialog::ReadConditionRows() const {
  std::vector<ConditionRow> rows;
  for (int r = 0; r < condition_table_->rowCount(); ++r) {
    ConditionRow row;
    row.kind = static_cast<ConditionKind>(
        condition_table_->item(r, kNameColumn)->data(Qt::UserRole).toInt());
    row.use = condition_table_->item(r, kUseColumn)->checkState() == Qt::Checked;
    row.required = condition_table_->item(r, kRequiredColumn)->checkState() == Qt::Checked;
    row.weight = condition_table_->item(r, kWeightColumn)->text().trimmed().toStdString();
    row.parameter = condition_table_->item(r, kParameterColumn)->text().trimmed().toStdString();
    rows.push_back(row);
  }
  return rows;
}

void FinderDialog::Refuse(const std::string& text) {
  context_.messages.ShowMessage(text, kWarningTitle, MessageIcon::kExclamation);
}

void FinderDialog::OfferTowns() {
  const std::string typed = town_box_->text().toUtf8().toStdString();
  if (TrimBlanks(typed).empty() && town_) {  // back to the chart's own place
    town_.reset();
    place_ = context_.election;
    ShowPlace({});
  }
  offered_ = TownsOffered(context_, typed);
  QStringList labels;
  for (const AtlasPlace* town : offered_) labels << QString::fromStdString(PlaceLabel(*town));
  town_list_->setStringList(labels);
  if (!labels.isEmpty()) town_completer_->complete();
}

void FinderDialog::ChooseTown(const QString& label) {
  if (const AtlasPlace* town = TownOfLabel(offered_, label.toUtf8().toStdString())) {
    town_ = *town;
    const FinderPlace found = FinderPlaceOfTown(place_, *town_, LocalOf(from_box_->dateTime()));
    place_ = found.place;
    ShowPlace(found.problem);
    // The town's name, not the end of its label, once the completer has set it.
    QTimer::singleShot(0, town_box_, [edit = town_box_] { edit->setCursorPosition(0); });
  }
}

void FinderDialog::ShowPlace(const std::string& problem) {
  std::string text;
  if (town_) {
    ElectionData unnamed = place_;
    unnamed.Name.clear();
    text = PlaceLabel(*town_) + ": " + PlaceText(unnamed);
  } else {
    text = PlaceText(place_);
  }
  if (!problem.empty()) text += " (" + problem + ")";
  place_label_->setText(QString::fromStdString(text));
}

void FinderDialog::StartSearch() {
  if (worker_) return;
  if (town_) {  // the zone in force at the range's start, which may have moved since
    const FinderPlace found = FinderPlaceOfTown(place_, *town_, LocalOf(from_box_->dateTime()));
    place_ = found.place;
    ShowPlace(found.problem);
  }
  FinderChoices choices;
  choices.place = place_;
  choices.from = LocalOf(from_box_->dateTime());
  choices.to = LocalOf(to_box_->dateTime());
  choices.step_minutes = step_box_->value();
  choices.threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 2u));
  std::string error;
  if (!ConditionsOfRows(ReadConditionRows(), choices.conditions, error)) {
    Refuse(error);
    return;
  }
  ElectionSearch search = SearchOfChoices(choices);
  if (const std::string problem = CheckFinderSearch(search, context_.checks.MeridianOrMorinus());
      !problem.empty()) {
    Refuse(problem);
    return;
  }
  search_ = search;
  result_ = {};
  result_table_->setRowCount(0);
  explanation_->clear();
  progress_->setValue(0);
  status_->setText(QStringLiteral("Searching..."));
  search_button_->setEnabled(false);
  cancel_button_->setEnabled(true);
  ChartSettings settings = context_.checks;
  settings.ElectionsRunning = false;
  worker_ = std::make_unique<FinderWorker>(
      context_.program, context_.clock, settings, search,
      [this](double done) {
        QMetaObject::invokeMethod(
            this, [this, done] { progress_->setValue(static_cast<int>(done * kProgressSteps)); },
            Qt::QueuedConnection);
      },
      [this](ElectionSearchResult result, std::vector<std::string> messages) {
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result), messages = std::move(messages)]() mutable {
              Finish(std::move(result), messages);
            },
            Qt::QueuedConnection);
      });
}

void FinderDialog::CancelSearch() {
  if (worker_) worker_->Cancel();
}

// The table widened to its columns, as far as the explanation keeps a
// readable width beside it.
void FinderDialog::GiveTableItsColumns() {
  constexpr int kExplanationWidth = 260;
  const QHeaderView* header = result_table_->horizontalHeader();
  int columns =
      result_table_->verticalScrollBar()->sizeHint().width() + 2 * result_table_->frameWidth();
  // The columns as sized to their contents; the last, which stretches, by its caption.
  const int last = result_table_->columnCount() - 1;
  for (int c = 0; c < last; ++c) columns += result_table_->columnWidth(c);
  columns += header->sectionSizeHint(last);
  const QList<int> sizes = results_splitter_->sizes();
  const int total = sizes[0] + sizes[1];
  const int table = std::min(columns, total - kExplanationWidth);
  if (table > sizes[0]) results_splitter_->setSizes({table, total - table});
}

void FinderDialog::Finish(ElectionSearchResult result, const std::vector<std::string>& messages) {
  worker_.reset();
  result_ = std::move(result);
  search_button_->setEnabled(true);
  cancel_button_->setEnabled(false);
  if (!result_.cancelled) progress_->setValue(kProgressSteps);
  result_table_->setRowCount(static_cast<int>(result_.windows.size()));
  for (int r = 0; r < static_cast<int>(result_.windows.size()); ++r) {
    const FinderRow row = RowOfWindow(search_.place, result_.windows[static_cast<size_t>(r)]);
    int column = 0;
    for (const std::string* text : {&row.start, &row.end, &row.length, &row.best, &row.score}) {
      result_table_->setItem(r, column++, TextItem(*text, false));
    }
  }
  result_table_->resizeColumnsToContents();
  GiveTableItsColumns();
  QString status = QStringLiteral("%1 windows found").arg(result_.windows.size());
  if (result_.cancelled)
    status = QStringLiteral("Cancelled: ") + status + QStringLiteral(" so far");
  if (!messages.empty()) status += QStringLiteral("; ") + QString::fromStdString(messages.front());
  status_->setText(status);
  if (!result_.windows.empty()) result_table_->selectRow(0);
  emit searchFinished();
}

void FinderDialog::ShowSelected() {
  const QList<QTableWidgetItem*> selected = result_table_->selectedItems();
  if (selected.isEmpty()) return;
  const int row = selected.front()->row();
  if (row < 0 || row >= static_cast<int>(result_.windows.size())) return;
  const int64_t best = result_.windows[static_cast<size_t>(row)].best_unix;
  CollectedMessages messages;
  const ChartContext chart_context = context_.program.Context(context_.clock, messages);
  ChartSettings settings = context_.checks;
  settings.ElectionsRunning = false;
  const MomentExplanation explanation = ExplainMoment(search_, best, settings, chart_context);
  const MomentTolerance tolerance =
      ToleranceOf(search_, best, settings, chart_context, kToleranceLimitSeconds);
  QString text = QStringLiteral("Best moment ") +
                 QString::fromStdString(FinderLocalText(search_.place, best)) +
                 QStringLiteral(", score ") +
                 QString::fromStdString(FinderScoreText(explanation.score)) + QLatin1Char('\n');
  for (const std::string& line : ExplanationLines(explanation)) {
    text += QString::fromStdString(line) + QLatin1Char('\n');
  }
  text += QStringLiteral("\nTolerance:\n");
  for (const std::string& line : ToleranceLines(tolerance)) {
    text += QString::fromStdString(line) + QLatin1Char('\n');
  }
  explanation_->setPlainText(text);
}

void FinderDialog::ChooseRow(int row) {
  if (row < 0 || row >= static_cast<int>(result_.windows.size())) return;
  SetChartToMoment(context_, search_.place, result_.windows[static_cast<size_t>(row)].best_unix);
  emit chartChanged();
}

void FinderDialog::Export(bool ics) {
  if (result_.windows.empty()) {
    Refuse("There are no windows to export; search first.");
    return;
  }
  const std::string path = ics ? choose_export_file(QStringLiteral("Export to iCalendar"),
                                                    QStringLiteral("iCalendar files (*.ics)"))
                               : choose_export_file(QStringLiteral("Export to CSV"),
                                                    QStringLiteral("CSV files (*.csv)"));
  if (path.empty()) return;
  CollectedMessages messages;
  const ChartContext chart_context = context_.program.Context(context_.clock, messages);
  ChartSettings settings = context_.checks;
  settings.ElectionsRunning = false;
  std::vector<MomentExplanation> explanations;
  for (const ElectionWindow& w : result_.windows) {
    explanations.push_back(ExplainMoment(search_, w.best_unix, settings, chart_context));
  }
  const std::vector<CalendarEntry> entries = WindowEntries(title_, result_.windows, explanations);
  const LocalDateTime now = context_.clock.UniversalNow();
  ElectionData utc;
  utc.Zone = 0;
  const int64_t made = UnixOfLocalTime(utc, {now.year, now.month, now.day, now.hour, now.minute});
  std::string error;
  const std::string bytes = ics ? WriteIcs(entries, {made}) : WriteCsv(entries);
  if (!SaveCalendarFile(path, bytes, &error)) {
    Refuse(error);
    return;
  }
  status_->setText(QStringLiteral("%1 windows written to %2")
                       .arg(entries.size())
                       .arg(QString::fromStdString(path)));
}

}  // namespace kairotex
