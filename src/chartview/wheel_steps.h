// The drawing steps of the chartwheel, in the order a paint runs them. Each
// draws with the options of the paint's profile, so the window and the printed
// page share them.
#pragma once

#include "chart/chart_state.h"
#include "chart/platform.h"
#include "chartview/planet_placement.h"
#include "chartview/wheel_paint.h"

namespace kairotex::wheel {

// Frame, cusp labels, intercepted signs, planets and aspect lines: all of the
// wheel but its heading.
void DrawWheel(const WheelPaint& paint);

HouseSizes ComputeHouseSizes(const CuspTable& cusp_wheel);

void DrawChartFrame(const WheelPaint& paint);
void DrawSingleChartwheelDeclinations(const WheelPaint& paint);
void DrawCuspLabels(const WheelPaint& paint);
void DrawInterceptedSigns(const WheelPaint& paint, const HouseSizes& sizes);

// Glyph boxes measured in the current (planet glyph) font, with the margins
// of the profile; whole units.
GlyphBoxes ComputeGlyphBoxes(const WheelPaint& paint);

Placement PutPlanetsInChartwheel(const WheelPaint& paint, const HouseSizes& sizes,
                                 const GlyphBoxes& boxes);
void DrawPlanetColumn(const WheelPaint& paint, const GlyphBoxes& boxes, const PlacedObject& glyph);
struct DeclinationMark;
void PutPlanetsInChartwheelDeclination(const WheelPaint& paint, const DeclinationMark& mark);

void DrawAspectLines(const WheelPaint& paint, const Placement& placement);

// The seven heading lines downwards from (left, top).
void DrawChartHeader(const WheelPaint& paint, double left, double top);
// The same on the page, followed by "Sidereal" in a sidereal zodiac.
void PrintChartHeader(const WheelPaint& paint, double left, double top);
// The aspect grid of the page whose user scale is page_width by page_height
// (the height negative: the page runs downwards).
void PrintAspectGrid(const WheelPaint& paint, double page_width, double page_height,
                     MessageSink& messages);

}  // namespace kairotex::wheel
