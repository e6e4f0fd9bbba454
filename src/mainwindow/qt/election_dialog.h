// The modal dialog "Election Data" (InputD): the moment and place of the
// chart typed into boxes, checked and stored by the core
// (mainwindow/election_dialog_core.h), with the angle display and its
// "New Angles", "+" and "-" tools.
#pragma once

#include <QDialog>
#include <vector>

#include "mainwindow/dialog_place.h"
#include "mainwindow/election_dialog_core.h"
#include "mainwindow/program_context.h"

class QCheckBox;
class QCompleter;
class QGridLayout;
class QStringListModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kairotex {

class ElectionDialog : public QDialog {
  Q_OBJECT

 public:
  // Opening stops the running clock and fills the boxes from the record.
  explicit ElectionDialog(ProgramContext& context, QWidget* parent = nullptr);

  // OK was pressed (whatever the checks found).
  bool ok_flag() const { return ok_flag_; }
  // OK was pressed and the typed data passed every check and is stored.
  bool stored() const { return stored_; }
  // "New Angles" recast the chart in the context while the dialog was open.
  bool chart_recast() const { return chart_recast_; }

  // The boxes as typed.
  ElectionFields Fields() const;

 public slots:
  void cmdOK_Click();
  void cmdCancel_Click();
  void Command2_Click();  // "+"
  void Command3_Click();  // "-"
  void Command4_Click();  // "New Angles"
  void optEast_Click();
  void optWest_Click();
  void txtBirthHour_Change();
  void txtPlace_Edited();  // the completer offers the atlas's towns
  void txtPlace_Chosen(const QString& label);
  void RefreshZone();
  void cmdSetDefault_Click();  // "Set as default place"      // after a change of the date, the
                               // time or the instance
  void reject() override;      // Esc and the close box: Cancel

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void SetTabOrder();
  void ShowFields(const ElectionFields& fields);
  void ShowAngles();
  void ShowZoneStatus(const DialogZoneStatus& status);
  void Step(int direction);
  QLineEdit* AddField(QGridLayout* grid, int row, const char* name, const char* label_name,
                      const char* caption, int width_chars, const QString& allowed);
  QRadioButton* AddOption(QWidget* frame, const char* name, const char* caption);

  ProgramContext& context_;
  DialogAngles angles_;
  bool ok_flag_ = false, stored_ = false, chart_recast_ = false;
  DialogPlace place_;
  std::vector<const AtlasPlace*> offered_;  // the towns the completer shows

  QLineEdit *txtEvent_ = nullptr, *txtMonth_ = nullptr, *txtDay_ = nullptr, *txtYear_ = nullptr;
  QLineEdit *txtBirthHour_ = nullptr, *txtBirthMinute_ = nullptr, *txtTZ_ = nullptr;
  QLineEdit *txtLongDeg_ = nullptr, *txtLongMin_ = nullptr;
  QLineEdit *txtLatDeg_ = nullptr, *txtLatMin_ = nullptr;
  QRadioButton *optAM_ = nullptr, *optPM_ = nullptr, *optEast_ = nullptr, *optWest_ = nullptr;
  QRadioButton *optNorth_ = nullptr, *optSouth_ = nullptr;
  QLineEdit* txtPlace_ = nullptr;
  QCompleter* placeCompleter_ = nullptr;
  QStringListModel* placeList_ = nullptr;
  QLabel* lblZoneStatus_ = nullptr;
  QCheckBox* chkSecondInstance_ = nullptr;
  QLabel *Label3_ = nullptr, *Label5_ = nullptr, *Label4_ = nullptr;
  QPushButton *cmdOK_ = nullptr, *cmdCancel_ = nullptr, *Command4_ = nullptr;
  QPushButton *Command2_ = nullptr, *Command3_ = nullptr, *cmdSetDefault_ = nullptr;
};

}  // namespace kairotex
