// Where the declination chart's glyphs and values stand: boxes just outside
// the ring, clear of the spokes, of each other and of the drawing's edges.
// Pure computation; nothing is drawn.
#pragma once

#include <string>
#include <vector>

#include "chartview/planet_placement.h"
#include "chartview/wheel_geometry.h"
#include "chartview/wheel_paint.h"

namespace kairotex::wheel {

struct DeclinationMark {
  int object = 0;
  std::string value;  // the declination, after the object's mark
  Point glyph_centre, value_centre;
  double glyph_height = 0;  // of the glyph's box
  double value_width = 0, value_height = 0;
};

// The declination written beside an object: one decimal, after its mark from
// the retrograde text when that is not a blank.
std::string DeclinationValueText(const ChartState& chart, int object);

// Every placed object's glyph and value, sector by sector.
std::vector<DeclinationMark> LayOutDeclinations(const WheelPaint& paint, const GlyphBoxes& boxes,
                                                const Placement& placement);

}  // namespace kairotex::wheel
