// The degree strip as report lines.
//
// Each block is five lines of 90 characters, one 3-character cell per whole
// degree (degree d at column 3d). In a cell:
//   line 1  the two-letter label        SU
//   line 2  the sign abbreviation       TAU
//   line 3  the minutes, two digits     05
//   line 4  "R" when retrograde
//   line 5  left blank, to part this block from the next
#pragma once

#include <string>
#include <vector>

#include "reports/degree_strip_cells.h"

namespace kairotex {

inline constexpr const char* kDegreeRuler =
    "00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 ";

// The five lines of one block, 90 characters each.
std::vector<std::string> StripBlockLines(const StripBlock& block);

// A blank line, the ruler, and the lines of every block in use, each line
// after the blank one indented by two spaces.
std::vector<std::string> DegreeStripLines(const DegreeStripFacts& strip);

}  // namespace kairotex
