// The commands of the election data dialog on the program context: opening,
// OK and "New Angles". The window shows what these return.
#pragma once

#include "mainwindow/election_angles.h"
#include "mainwindow/election_fields.h"
#include "mainwindow/program_context.h"

namespace kairotex {

struct ElectionDialogStart {
  ElectionFields fields;
  DialogAngles angles;
};

// Opening the dialog stops the running clock; the boxes show the record and
// the display the chart's angles.
ElectionDialogStart OpenElectionDialog(ProgramContext& context);

// Every check run on the typed fields, each failure with its message; the
// chart's input-error flag says whether one failed. Only when all pass is the
// record replaced. Returns whether it was.
bool StoreElectionFields(ProgramContext& context, const ElectionFields& fields);

// "New Angles": the fields stored and, when they passed, the chart recast;
// then the angles of the chart in the context. Returns whether the chart was
// recast.
bool NewAngles(ProgramContext& context, const ElectionFields& fields, DialogAngles& angles);

}  // namespace kairotex
