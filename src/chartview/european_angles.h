// The European wheel draws each glyph at its own place, measured from the
// Descendant, and spreads crowded glyphs one slot width apart.
#pragma once

#include <optional>

#include "chart/chart_state.h"
#include "chartview/planet_placement.h"

namespace kairotex::wheel {

// One object as the placement reaches it.
struct HouseVisit {
  int object = 0;
  double into = 0;          // degrees past the cusp of the object's house
  double size = 0;          // of that house
  int placed_in_house = 1;  // 1 for the first of its house visited in a row
  int still_to_come = 0;    // objects of the house after this one
};

// The glyph's angle: crowded one slot past the previously drawn glyph, or at
// its own place with the small corrections of an uncrowded glyph.
double EuropeanAngle(const ChartState& chart, const HouseVisit& visit,
                     std::optional<double> previous_angle);

// The crowding rule looks at the previous glyph only; a glyph drawn earlier
// that stands closer than one slot width is passed by a slot width, so that
// European glyphs never stack either.
double ClearOfEarlierGlyphs(double angle, const Placement& drawn);

}  // namespace kairotex::wheel
