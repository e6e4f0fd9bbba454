// The text of the horary basics report, built from its facts. Each function
// gives whole report lines; an empty string is a blank line.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_state.h"
#include "reports/horary_conditions.h"
#include "reports/horary_dignity_table.h"
#include "reports/horary_strictures.h"

namespace kairotex {

// "  STRICTURES and WARNINGS - " and one line per stricture that holds.
std::vector<std::string> StricturesLines(const std::vector<Stricture>& strictures);

// Appends a ruler's nine-character name and one space: one dignity column.
void NoteRuler(std::string& line, const ChartState& chart, int ruler);

// The two heading lines of the dignity table.
std::vector<std::string> DignityTableHeading();

// One row of the dignity table. The Part of Fortune's row ends with its own
// score instead of the speed and the rate.
std::string DignityRowText(const DignityRow& row, const ChartState& chart, double fortune_score);

// The condition lists, from the blank line before "  Peregrine - " to the
// fixed stars. Peregrine, detriment and fall are always written, the other
// lists only when they name someone.
std::vector<std::string> ConditionLines(const HoraryConditions& conditions);

// The blank line, "  Planets' Strengths:" and one line per planet.
std::vector<std::string> StrengthLines(const ObjectTable& strength);

}  // namespace kairotex
