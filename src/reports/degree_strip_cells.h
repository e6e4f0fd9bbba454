// The degree strip as data: the objects laid out by their whole degree within
// the sign, in blocks of 30 cells. An object goes into the first block whose
// cell for its degree is free, so objects at the same degree stack up in
// successive blocks.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "chart/chart_state.h"

namespace kairotex {

inline constexpr int kStripMaxBlocks = 9;
inline constexpr int kStripCells = 30;

struct StripCell {
  int object = 0;  // 0: the cell is empty
  std::string label;
  int sign = 0;
  int minute = 0;
  bool retrograde = false;
};

using StripBlock = std::array<StripCell, kStripCells>;

struct DegreeStripFacts {
  std::vector<StripBlock> blocks;  // only the blocks in use
  // Objects that found their degree taken in all nine blocks; the strip
  // leaves them out.
  std::vector<int> left_off;
};

// Two-letter strip label: the first two letters of the name, but "NN" for
// the North Node and "PF" for the Part of Fortune.
std::string StripLabel(int object);

// Every object but the South Node, in degree order. Retrograde marks are those
// of the zodiacal positions, whatever chart kind the wheel shows.
DegreeStripFacts ComputeDegreeStrip(const ChartState& chart);

}  // namespace kairotex
