// The horary basics report, first part: strictures and warnings, the table of
// essential dignities with speed and rate, the Part of Fortune's score, the
// accidental conditions with the fixed stars, and the planets' strengths.
//
// The facts are computed apart from the text so that other features (the
// election search, the window program) can judge a chart without a report.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "reports/horary_aspect_points.h"
#include "reports/horary_conditions.h"
#include "reports/horary_dignity_table.h"
#include "reports/horary_part_of_fortune.h"
#include "reports/horary_strength.h"
#include "reports/horary_strictures.h"
#include "reports/report_context.h"
#include "settings/options.h"

namespace kairotex {

struct HoraryBasicsFacts {
  std::vector<Stricture> strictures;  // those that hold, in report order
  bool night = false;                 // the triplicity column's day or night
  std::vector<DignityRow> dignity_rows;
  OwnDignityFlags own_dignity{};
  PartOfFortuneScore part_of_fortune;
  HoraryConditions conditions;
  std::vector<AspectPoint> aspect_points;
  // Every contribution to the planet strengths in the order the report adds
  // them, and the final strength of objects 0..16.
  StrengthLedger strength;
};

HoraryBasicsFacts ComputeHoraryBasics(const ChartState& chart, const OptionsTable& options);

// The report lines of the facts, from the blank line before the strictures
// to the last planet's strength; an empty string is a blank line.
std::vector<std::string> HoraryBasicsLines(const HoraryBasicsFacts& facts, const ChartState& chart);

// Computes the facts of the context's chart and appends the report lines to
// its buffer.
void WriteHoraryBasics(ReportContext& context);

}  // namespace kairotex
