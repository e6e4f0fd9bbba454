#include "mainwindow/election_dialog_core.h"

#include "mainwindow/chart_commands.h"

namespace kairotex {

ElectionDialogStart OpenElectionDialog(ProgramContext& c) {
  c.checks.ElectionsRunning = false;
  return {FieldsFromRecord(c.election), ShowDialogAngles(c.chart)};
}

bool StoreElectionFields(ProgramContext& c, const ElectionFields& fields) {
  c.chart.InputError = 0;
  std::optional<ElectionData> record =
      StoreElectionData(EntryFromFields(fields), c.checks.MeridianOrMorinus(), c.messages);
  if (!record) {
    c.chart.InputError = 1;
    return false;
  }
  c.election = std::move(*record);
  return true;
}

bool NewAngles(ProgramContext& c, const ElectionFields& fields, DialogAngles& angles) {
  const bool stored = StoreElectionFields(c, fields);
  if (stored) RecastChart(c);
  angles = ShowDialogAngles(c.chart);
  return stored;
}

}  // namespace kairotex
