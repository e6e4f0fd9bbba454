#include "reports/horary_basics.h"

#include "reports/horary_basics_text.h"

namespace kairotex {
namespace {

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace

HoraryBasicsFacts ComputeHoraryBasics(const ChartState& chart, const OptionsTable& options) {
  HoraryBasicsFacts facts;
  facts.strictures = ComputeStrictures(chart);
  facts.night = IsNightChart(chart);
  facts.dignity_rows = ComputeDignityRows(chart, options);
  facts.own_dignity = OwnDignityFlagsOf(facts.dignity_rows);
  facts.part_of_fortune = ScorePartOfFortune(chart, options);
  for (const DignityRow& row : facts.dignity_rows) AddDignityRowPoints(row, facts.strength);
  facts.conditions = ComputeHoraryConditions(chart, options, facts.own_dignity);
  AddConditionPoints(facts.conditions, facts.strength);
  facts.aspect_points = FindAspectPoints(chart, options);
  AddAspectPoints(facts.aspect_points, facts.strength);
  return facts;
}

std::vector<std::string> HoraryBasicsLines(const HoraryBasicsFacts& facts,
                                           const ChartState& chart) {
  std::vector<std::string> lines = StricturesLines(facts.strictures);
  lines.push_back("");
  Append(lines, DignityTableHeading());
  for (const DignityRow& row : facts.dignity_rows) {
    lines.push_back(DignityRowText(row, chart, facts.part_of_fortune.score));
  }
  Append(lines, ConditionLines(facts.conditions));
  Append(lines, StrengthLines(facts.strength.totals()));
  return lines;
}

void WriteHoraryBasics(ReportContext& context) {
  const HoraryBasicsFacts facts = ComputeHoraryBasics(context.chart, context.options);
  context.buffer.AppendLines(HoraryBasicsLines(facts, context.chart));
}

}  // namespace kairotex
