// The spokes of the European wheel stand wherever the cusps fall, and a glyph
// at its own place may lie across one: its text hangs down and to the right of
// its corner, and so does every item of the column under it. These move the
// glyphs just off the spokes.
#pragma once

#include "chartview/planet_placement.h"
#include "chartview/wheel_paint.h"

namespace kairotex::wheel {

// The radius table's entry for the angle's nearest whole degree.
double RadiusAt(const DataTables& tables, double angle);

// A glyph a little past a spoke moves on until it and its column clear it.
double ClearOfSpokeBehind(const WheelPaint& paint, const GlyphBoxes& boxes, double angle);

// The glyphs of a house that would lie across the spoke ending it draw back,
// pushing the ones before them back a slot at a time, as far as the house has
// room; a house without the room keeps its glyphs where they are.
void KeepOffTheSpokesAhead(const WheelPaint& paint, const GlyphBoxes& boxes, Placement& placement);

}  // namespace kairotex::wheel
