// Places every shown object and draws it: as a planet column on the wheel, or
// as a glyph with its declination in the declination chart.
#include "chartview/declination_layout.h"
#include "chartview/wheel_steps.h"

namespace kairotex::wheel {

Placement PutPlanetsInChartwheel(const WheelPaint& paint, const HouseSizes& sizes,
                                 const GlyphBoxes& boxes) {
  const Placement placement = PlacePlanets(paint, sizes, boxes);
  if (paint.Declination()) {
    for (const DeclinationMark& mark : LayOutDeclinations(paint, boxes, placement)) {
      PutPlanetsInChartwheelDeclination(paint, mark);
    }
    return placement;
  }
  for (int k = 0; k < placement.count; ++k) DrawPlanetColumn(paint, boxes, placement.placed[k]);
  return placement;
}

}  // namespace kairotex::wheel
