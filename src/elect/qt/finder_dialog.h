// "Find elections...": a preset or conditions of one's own, a range at the
// chart's place or a town of the atlas, the search on a worker thread with its progress and Cancel,
// the windows found by score, the explanation and tolerance of the selected
// one, and its export. A double-click sets the chart to a window's best
// moment. The rules are the core's (elect/finder_dialog_core.h).
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "elect/election_presets.h"
#include "elect/finder_dialog_core.h"
#include "mainwindow/program_context.h"
#include "places/atlas.h"

class QComboBox;
class QDateTimeEdit;
class QCompleter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStringListModel;
class QSplitter;
class QTableWidget;

namespace kairotex {

class FinderWorker;

class FinderDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FinderDialog(ProgramContext& context, QWidget* parent = nullptr);
  // A search still running is cancelled and its thread joined.
  ~FinderDialog() override;

  bool searching() const { return worker_ != nullptr; }
  const ElectionSearch& search() const { return search_; }
  const ElectionSearchResult& result() const { return result_; }

  // The file an export writes, "" for none; the platform's file dialog
  // unless a test puts its own here.
  std::function<std::string(const QString& caption, const QString& filter)> choose_export_file;

 signals:
  // On the window's thread once a search has ended, run out or cancelled.
  void searchFinished();
  // The chart was set to a moment; the main window refreshes.
  void chartChanged();

 public slots:
  void StartSearch();
  void CancelSearch();

 private:
  void BuildControls();
  void ShowPreset(int index);
  std::vector<ConditionRow> ReadConditionRows() const;
  void Finish(ElectionSearchResult result, const std::vector<std::string>& messages);
  void GiveTableItsColumns();
  void ShowSelected();
  void ChooseRow(int row);
  void Export(bool ics);
  void Refuse(const std::string& text);
  void OfferTowns();
  void ChooseTown(const QString& label);
  void ShowPlace(const std::string& problem);

  ProgramContext& context_;
  ElectionData place_;
  std::optional<AtlasPlace> town_;  // the town chosen, whose zone follows the range's start
  std::vector<const AtlasPlace*> offered_;
  PresetFile presets_;
  ElectionSearch search_;
  std::string title_ = "election";
  ElectionSearchResult result_;
  std::unique_ptr<FinderWorker> worker_;

  QComboBox* preset_box_;
  QTableWidget* condition_table_;
  QDateTimeEdit* from_box_;
  QDateTimeEdit* to_box_;
  QSpinBox* step_box_;
  QLineEdit* town_box_;
  QStringListModel* town_list_;
  QCompleter* town_completer_;
  QLabel* place_label_;
  QPushButton* search_button_;
  QPushButton* cancel_button_;
  QProgressBar* progress_;
  QLabel* status_;
  QTableWidget* result_table_;
  QSplitter* results_splitter_;
  QPlainTextEdit* explanation_;
  QPushButton* ics_button_;
  QPushButton* csv_button_;
};

}  // namespace kairotex
