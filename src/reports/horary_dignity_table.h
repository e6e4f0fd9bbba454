// The facts behind the dignity table of the horary basics report: for the
// seven planets and the Part of Fortune the rulers of the five dignity
// columns, and for the planets their speed, rate, retrogradation,
// orientation and house.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "chart/chart_state.h"
#include "reports/horary_motion.h"
#include "reports/horary_strength.h"
#include "settings/options.h"

namespace kairotex {

enum DignityColumn : int {
  kSignColumn,
  kExaltationColumn,
  kTriplicityColumn,
  kTermColumn,
  kFaceColumn,
  kDignityColumnCount,
};

// Points a planet gains for each column that names the planet itself.
inline constexpr std::array<int, kDignityColumnCount> kDignityColumnPoints = {5, 4, 3, 2, 1};

struct PlanetMotionFacts {
  SpeedWord speed = SpeedWord::kAverage;
  MotionRate rate;
  bool retrograde = false;
  Orientation orientation = Orientation::kOriental;
  int house = 0;  // after the 5 degree rule (option 46)
};

struct DignityRow {
  int object = 0;
  // Ruling planet of each column; the exaltation is 0 when the sign has none.
  std::array<int, kDignityColumnCount> rulers{};
  // Columns whose ruler is the row's own object.
  std::array<bool, kDignityColumnCount> own{};
  // Absent for the Part of Fortune, whose row shows its own score instead.
  std::optional<PlanetMotionFacts> motion;
};

// Whether each planet (index = object 1..6, 10) rules its own position in any
// column; a planet with none is peregrine.
using OwnDignityFlags = std::array<bool, kMoon + 1>;

// The triplicity column is nocturnal while the Sun is below the horizon
// (houses 1 to 6).
bool IsNightChart(const ChartState& chart);

DignityRow ComputeDignityRow(const ChartState& chart, const OptionsTable& options, int object,
                             bool night);

// One row per object of the table, in table order.
std::vector<DignityRow> ComputeDignityRows(const ChartState& chart, const OptionsTable& options);

OwnDignityFlags OwnDignityFlagsOf(const std::vector<DignityRow>& rows);

// A row's points in report order: the own columns, the motion, the
// orientation and the house.
void AddDignityRowPoints(const DignityRow& row, StrengthLedger& strength);

}  // namespace kairotex
